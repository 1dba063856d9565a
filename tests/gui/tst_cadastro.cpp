#include "common/DataSet.h"
#include "municipal/app/TFormCadastro.h"
#include "municipal/app/TFormDadosGerais.h"
#include "municipal/app/TFormPrincipal.h"
#include "municipal/data/TDataModule1.h"
#include "tests/gui/AppFixture.h"

#include <QComboBox>
#include <QDate>
#include <QLineEdit>

using TestSupport::findByCaption;

class TestCadastro : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppFixture> f;
    TFormCadastro *form = nullptr;

    QComboBox *combo(const QString &caption) { return qobject_cast<QComboBox *>(findByCaption(form, caption)); }
    QLineEdit *edit(const QString &caption) { return qobject_cast<QLineEdit *>(findByCaption(form, caption)); }

    // Chooses in a list the way a user does: focus it and type the start of the entry.
    void choose(const QString &caption, const QString &text)
    {
        QComboBox *list = combo(caption);
        QVERIFY2(list, qPrintable(caption));
        QVERIFY2(list->isEnabled(), qPrintable(caption + QStringLiteral(" is disabled")));
        list->setFocus();
        // a list's type-ahead starts afresh only after a pause
        QTest::qWait(QApplication::keyboardInputInterval() + 50);
        QTest::keyClicks(list, text);
        QCOMPARE(list->currentText(), text);
    }

    void type(const QString &caption, const QString &text)
    {
        QLineEdit *box = edit(caption);
        QVERIFY2(box, qPrintable(caption));
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }

    void registerRecife()
    {
        choose(QStringLiteral("UF :"), QStringLiteral("PE"));
        choose(QStringLiteral("Município :"), QStringLiteral("Recife"));
        type(QStringLiteral("Total de imóveis no Município :"), QStringLiteral("520000"));
        type(QStringLiteral("Período de execução :"), QStringLiteral("Janeiro/2026"));
        choose(QStringLiteral("Ano :"), QStringLiteral("2026"));
    }

private slots:
    void init()
    {
        f = std::make_unique<AppFixture>();
        form = f->app->FormCadastro;
        f->app->FormPrincipal->show();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }

    void cleanup() { f.reset(); }

    void everyControlHasItsCaption()
    {
        QCOMPARE(form->windowTitle(), QStringLiteral("Cadastro de Municípios"));
        for (const char *caption : {"UF :", "Município :", "Total de imóveis no Município :", "Período de execução :",
                                    "Código do Município :", "Ano :", "Gravar", "Fechar", "Limpar"})
            QVERIFY2(findByCaption(form, QString::fromUtf8(caption)), caption);
        QCOMPARE(TestSupport::unnamedControls(form), QStringList());
    }

    void yearsRunToNextYear()
    {
        const int now = QDate::currentDate().year();
        QComboBox *years = combo(QStringLiteral("Ano :"));
        QCOMPARE(years->itemText(0), QStringLiteral("2010"));
        QCOMPARE(years->itemText(years->count() - 1), QString::number(now + 1));
        QCOMPARE(TestSupport::findByCaption(form, QStringLiteral("Ano :")), years);
        QCOMPARE(TFormCadastro::years(2016).last(), QStringLiteral("2017"));
    }

    void registerSaveAndGoToWork()
    {
        // no state shown: the municipality list cannot be opened
        QVERIFY(!combo(QStringLiteral("Município :"))->isEnabled());
        registerRecife();
        QCOMPARE(edit(QStringLiteral("Código do Município :"))->text(), QStringLiteral("2611606"));
        QCOMPARE(edit(QStringLiteral("Município escolhido"))->text(), QStringLiteral("Recife"));

        clickCaption(form, QStringLiteral("Gravar"));
        QCOMPARE(f->sql(QStringLiteral("select * from Cadastro")),
                 QStringLiteral("2611606|Recife|PE|520000|Janeiro/2026|2026"));
        QCOMPARE(f->app->FormPrincipal->municipalityLabel(), QStringLiteral("Recife - PE"));

        // nothing changed: "Gravar" leaves the label as it was
        f->app->FormPrincipal->setMunicipalityLabel(QStringLiteral("marca"));
        clickCaption(form, QStringLiteral("Gravar"));
        QCOMPARE(f->app->FormPrincipal->municipalityLabel(), QStringLiteral("marca"));

        // "Fechar" with a change saves it and leads to the work window
        type(QStringLiteral("Período de execução :"), QStringLiteral("Fev/2026"));
        clickCaption(form, QStringLiteral("Fechar"));
        QVERIFY(!form->isVisible());
        QVERIFY(f->app->FormDadosGerais->isVisible());
        QCOMPARE(f->app->FormDadosGerais->headerPeriodo(), QStringLiteral("Fev/2026"));
        QCOMPARE(f->sql(QStringLiteral("select PeriodoDeExecucao from Cadastro")), QStringLiteral("Fev/2026"));
        QCOMPARE(f->sql(QStringLiteral("select count(*) from Cadastro")), QStringLiteral("1"));
    }

    void fecharWithoutChangesOnlyCloses()
    {
        clickCaption(form, QStringLiteral("Fechar"));
        QVERIFY(!form->isVisible());
        QVERIFY(!f->app->FormDadosGerais->isVisible());
        QCOMPARE(f->sql(QStringLiteral("select count(*) from Cadastro")), QStringLiteral("0"));
    }

    void anotherStateKeepsTheStoredMunicipality()
    {
        registerRecife();
        clickCaption(form, QStringLiteral("Gravar"));
        choose(QStringLiteral("UF :"), QStringLiteral("SP"));
        QCOMPARE(combo(QStringLiteral("Município :"))->currentIndex(), -1);
        QVERIFY(combo(QStringLiteral("Município :"))->findText(QStringLiteral("Campinas")) >= 0);
        clickCaption(form, QStringLiteral("Gravar"));
        QCOMPARE(f->sql(QStringLiteral("select CodigoMunicipio, Municipio, UF from Cadastro")),
                 QStringLiteral("2611606|Recife|SP"));
    }

    void totalThatIsNotWholeIsRefused_data()
    {
        QTest::addColumn<QString>("total");
        QTest::newRow("letters") << "12a";
        QTest::newRow("decimal") << TestSupport::local(QStringLiteral("12.5"));
    }

    void totalThatIsNotWholeIsRefused()
    {
        QFETCH(QString, total);
        registerRecife();
        type(QStringLiteral("Total de imóveis no Município :"), total);
        Dialogs::clearShown();
        clickCaption(form, QStringLiteral("Gravar"));
        const QVector<Dialogs::Shown> shown = Dialogs::shown();
        QVERIFY(!shown.isEmpty());
        QCOMPARE(shown.last().kind, QStringLiteral("error"));
        QVERIFY2(shown.last().text.contains(total)
                     && shown.last().text.contains(QStringLiteral("TotalDeImoveisNoMunicipio")),
                 qPrintable(shown.last().text));
        QVERIFY(f->app->DataModule1->ADOTableCadastro->isEditing());
        QCOMPARE(f->sql(QStringLiteral("select count(*) from Cadastro")), QStringLiteral("0"));
        // corrected, it saves
        type(QStringLiteral("Total de imóveis no Município :"), QStringLiteral("12"));
        clickCaption(form, QStringLiteral("Gravar"));
        QCOMPARE(f->sql(QStringLiteral("select TotalDeImoveisNoMunicipio from Cadastro")), QStringLiteral("12"));
    }

    void limparKeepsTheYear()
    {
        registerRecife();
        clickCaption(form, QStringLiteral("Gravar"));
        clickCaption(form, QStringLiteral("Limpar"));
        QCOMPARE(combo(QStringLiteral("UF :"))->currentIndex(), -1);
        QVERIFY(!combo(QStringLiteral("Município :"))->isEnabled());
        for (const char *caption : {"Total de imóveis no Município :", "Período de execução :", "Código do Município :",
                                    "Município escolhido"})
            QCOMPARE(edit(QString::fromUtf8(caption))->text(), QString());
        QCOMPARE(combo(QStringLiteral("Ano :"))->currentText(), QStringLiteral("2026"));
        QCOMPARE(QApplication::focusWidget(), combo(QStringLiteral("UF :")));
        // a registration without a state and a municipality is not saved
        for (const char *button : {"Gravar", "Fechar"}) {
            Dialogs::clearShown();
            clickCaption(form, QString::fromLatin1(button));
            QCOMPARE(Dialogs::shown().size(), 1);
            QCOMPARE(Dialogs::shown().last().text, QStringLiteral("Escolha o estado e o município. Verifique!"));
            QVERIFY(f->app->DataModule1->ADOTableCadastro->isEditing());
            QVERIFY(form->isVisible());
            QVERIFY(!f->app->FormDadosGerais->isVisible());
            QCOMPARE(f->sql(QStringLiteral("select CodigoMunicipio, Municipio, UF, TotalDeImoveisNoMunicipio, "
                                           "PeriodoDeExecucao, Ano from Cadastro")),
                     QStringLiteral("2611606|Recife|PE|520000|Janeiro/2026|2026"));
        }
    }

    void noRegistrationWithoutMunicipality()
    {
        // a state chosen, the municipality not: neither button saves a row
        choose(QStringLiteral("UF :"), QStringLiteral("PE"));
        type(QStringLiteral("Período de execução :"), QStringLiteral("2026"));
        for (const char *button : {"Gravar", "Fechar"}) {
            Dialogs::clearShown();
            clickCaption(form, QString::fromLatin1(button));
            QCOMPARE(Dialogs::shown().size(), 1);
            QCOMPARE(Dialogs::shown().last().text, QStringLiteral("Escolha o estado e o município. Verifique!"));
            QVERIFY(f->app->DataModule1->ADOTableCadastro->isEditing());
            QVERIFY(!f->app->FormDadosGerais->isVisible());
            QCOMPARE(f->sql(QStringLiteral("select count(*) from Cadastro")), QStringLiteral("0"));
        }
        // "Limpar" empties the boxes on screen, also a total the row refused
        type(QStringLiteral("Total de imóveis no Município :"), QStringLiteral("12x"));
        clickCaption(form, QStringLiteral("Gravar"));
        QCOMPARE(Dialogs::shown().last().kind, QStringLiteral("error"));
        clickCaption(form, QStringLiteral("Limpar"));
        for (const char *caption : {"Total de imóveis no Município :", "Período de execução :"})
            QCOMPARE(edit(QString::fromUtf8(caption))->text(), QString());
        // chosen completely, it saves
        choose(QStringLiteral("UF :"), QStringLiteral("PE"));
        choose(QStringLiteral("Município :"), QStringLiteral("Recife"));
        clickCaption(form, QStringLiteral("Fechar"));
        QCOMPARE(f->sql(QStringLiteral("select CodigoMunicipio, Municipio, UF, quote(TotalDeImoveisNoMunicipio), "
                                       "quote(PeriodoDeExecucao) from Cadastro")),
                 QStringLiteral("2611606|Recife|PE|NULL|NULL"));
        QVERIFY(f->app->FormDadosGerais->isVisible());
    }

    void limparOnAnEmptyTableCreatesNoRow()
    {
        clickCaption(form, QStringLiteral("Limpar"));
        clickCaption(form, QStringLiteral("Fechar"));
        QCOMPARE(f->sql(QStringLiteral("select count(*) from Cadastro")), QStringLiteral("0"));
    }
};

QTEST_MAIN(TestCadastro)
#include "tst_cadastro.moc"
