#include "common/DataSet.h"
#include "municipal/app/TCreditos.h"
#include "municipal/app/TFormCadastro.h"
#include "municipal/app/TFormDadosGerais.h"
#include "municipal/app/TFormPrincipal.h"
#include "municipal/data/TDataModule1.h"
#include "tests/gui/AppFixture.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void showsTheRegisteredMunicipality_data()
    {
        QTest::addColumn<QString>("registration"); // SQL run before start
        QTest::addColumn<QString>("label");
        QTest::newRow("nothing registered") << QString() << " - ";
        QTest::newRow("registered")
            << "insert into Cadastro values (2611606, 'Recife', 'PE', 500000, 'Jan/2026', '2026')"
            << "Recife - PE";
    }

    void showsTheRegisteredMunicipality()
    {
        QFETCH(QString, registration);
        TestSupport::WorkFolder folder;
        folder.initMunicipalDatabase();
        if (!registration.isEmpty())
            TestSupport::sqlite(folder.file(QStringLiteral("Nubrel2012Municipios.db")), registration);
        Dialogs::setScripted(true);
        MunicipalApp app;
        TFormPrincipal *main = app.FormPrincipal;
        main->show();
        QCOMPARE(main->windowTitle(), QStringLiteral("Nubrel - Tarvessa"));
        QTEST(main->municipalityLabel(), "label");
        QVERIFY(TestSupport::findByCaption(main, QStringLiteral("Entrar")));
        QVERIFY(TestSupport::findByCaption(main, QStringLiteral("Limpar BD")));
        QVERIFY(TestSupport::findByCaption(main, QStringLiteral("Encerrar")));
        QVERIFY(TestSupport::findByCaption(main, QStringLiteral("Créditos")));
        QCOMPARE(main->statusBar()->findChild<QLabel *>()->text(), QStringLiteral("Nubrel - Versão 1.2"));
        QCOMPARE(TestSupport::unnamedControls(main), QStringList());

        // "Entrar" leads to the registration, or to the work once registered
        clickCaption(main, QStringLiteral("Entrar"));
        QCOMPARE(app.FormCadastro->isVisible(), registration.isEmpty());
        QCOMPARE(app.FormDadosGerais->isVisible(), !registration.isEmpty());
    }

    void clearDatabaseEmptiesEverySurveyTable()
    {
        AppFixture f;
        f.sql(QStringLiteral(
            "insert into Cadastro values (2611606, 'Recife', 'PE', 500000, 'Jan/2026', '2026');"
            "insert into PlanoAmostral (CodigoMunicipio, Estrato) values (2611606, 1), (2611606, 2);"
            "insert into DefinicaoQuart (Estrato, Item, Bairro) values (1, 1, 'Boa Viagem'), (2, 1, 'Graças');"
            "insert into Necessidades (QuantEstratosALevantar) values (2);"
            "insert into Consolidado (Estrato) values (1), (2); insert into TotaisDoConsolidado (TotalEstratos) values "
            "(2);"
            "insert into Indices (Estrato) values (1), (2); insert into PercentuaisCriadouros (PercentDepA1) values "
            "(1);"
            "insert into Kavel (Municipio) values ('Recife');"));
        f.app.reset();
        f.app = std::make_unique<MunicipalApp>();
        TFormPrincipal *main = f.app->FormPrincipal;
        main->show();
        f.app->FormDadosGerais->show();
        QCOMPARE(f.app->FormDadosGerais->headerMunicipio(), QStringLiteral("Recife"));

        const QString counts =
            QStringLiteral("select (select count(*) from Cadastro) || (select count(*) from PlanoAmostral) || "
                           "(select count(*) from DefinicaoQuart) || (select count(*) from Necessidades) || "
                           "(select count(*) from Consolidado) || (select count(*) from TotaisDoConsolidado) || "
                           "(select count(*) from Indices) || (select count(*) from PercentuaisCriadouros) || "
                           "(select count(*) from Kavel)");
        const QString question = QStringLiteral("Apagar todos os dados do levantamento atual (cadastro, plano "
                                                "amostral, bairros, necessidades e resultados)?");
        // "Não" keeps everything
        Dialogs::answerNext(false);
        clickCaption(main, QStringLiteral("Limpar BD"));
        QCOMPARE(Dialogs::shown().size(), 1);
        QCOMPARE(Dialogs::shown().last().text, question);
        QCOMPARE(f.sql(counts), QStringLiteral("122121211"));
        QCOMPARE(main->municipalityLabel(), QStringLiteral("Recife - PE"));
        QCOMPARE(f.app->DataModule1->ADOTablePlanoAmostral->recordCount(), 2);

        Dialogs::clearShown();
        Dialogs::answerNext(true);
        clickCaption(main, QStringLiteral("Limpar BD"));
        QCOMPARE(Dialogs::shown().size(), 1); // the question only, then no message
        QCOMPARE(main->municipalityLabel(), QString());
        QCOMPARE(
            f.sql(QStringLiteral("select (select count(*) from Cadastro) || (select count(*) from PlanoAmostral) || "
                                 "(select count(*) from DefinicaoQuart) || (select count(*) from Necessidades) || "
                                 "(select count(*) from Consolidado) || (select count(*) from TotaisDoConsolidado) || "
                                 "(select count(*) from Indices) || (select count(*) from PercentuaisCriadouros) || "
                                 "(select count(*) from Kavel)")),
            QStringLiteral("000000000"));
        // the reference tables stay
        QCOMPARE(f.sql(QStringLiteral("select count(*) from \"MunicípiosDoBrasil\"")), QStringLiteral("5570"));
        // the open work window now shows the empty tables
        QCOMPARE(f.app->FormDadosGerais->headerMunicipio(), QString());
        QCOMPARE(f.app->DataModule1->ADOTablePlanoAmostral->recordCount(), 0);

        // again on an empty database: nothing changes, nothing is shown but the question
        Dialogs::clearShown();
        Dialogs::answerNext(true);
        clickCaption(main, QStringLiteral("Limpar BD"));
        QCOMPARE(Dialogs::shown().size(), 1);
        QCOMPARE(f.sql(counts), QStringLiteral("000000000"));
        // and "Entrar" now leads to the registration
        f.app->FormDadosGerais->close();
        clickCaption(main, QStringLiteral("Entrar"));
        QVERIFY(f.app->FormCadastro->isVisible());
    }

    void clearDatabaseIsAllOrNothing()
    {
        // the engine refuses the last table: every table stays as it was
        AppFixture f(QStringLiteral(
            "insert into Cadastro values (2611606, 'Recife', 'PE', 500000, 'Jan/2026', '2026');"
            "insert into PlanoAmostral (CodigoMunicipio, Estrato) values (2611606, 1), (2611606, 2);"
            "insert into DefinicaoQuart (Estrato, Item, Bairro) values (1, 1, 'Boa Viagem');"
            "insert into Consolidado (Estrato) values (1), (2); insert into Kavel (Municipio) values ('Recife');"
            "create trigger refuse before delete on Kavel begin select raise(abort, 'Kavel recusou'); end;"));
        TFormPrincipal *main = f.app->FormPrincipal;
        main->show();
        Dialogs::answerNext(true);
        clickCaption(main, QStringLiteral("Limpar BD"));
        QCOMPARE(Dialogs::shown().last().kind, QStringLiteral("error"));
        QVERIFY2(Dialogs::shown().last().text.contains(QStringLiteral("Kavel recusou")),
                 qPrintable(Dialogs::shown().last().text));
        QCOMPARE(f.sql(QStringLiteral("select (select count(*) from Cadastro) || (select count(*) from PlanoAmostral) "
                                      "|| (select count(*) from DefinicaoQuart) || (select count(*) from Consolidado) "
                                      "|| (select count(*) from Kavel)")),
                 QStringLiteral("12121"));
        // the windows show the stored rows again
        QCOMPARE(main->municipalityLabel(), QStringLiteral("Recife - PE"));
        QCOMPARE(f.app->DataModule1->ADOTablePlanoAmostral->recordCount(), 2);
        QCOMPARE(f.app->DataModule1->ADOTableConsolidado->recordCount(), 2);
        QCOMPARE(f.app->DataModule1->ADOTableDefQuart->recordCount(), 1);
    }

    void realClearQuestionDefaultsToNo()
    {
        AppFixture f(QStringLiteral("insert into Cadastro values (2611606, 'Recife', 'PE', 500000, 'Jan/2026', "
                                    "'2026');"));
        TFormPrincipal *main = f.app->FormPrincipal;
        main->show();
        Dialogs::setScripted(false);
        QString text;
        bool noIsDefault = false;
        TestSupport::whenModal([&](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            if (!box)
                return false;
            text = box->text();
            noIsDefault = static_cast<QAbstractButton *>(box->defaultButton()) == box->button(QMessageBox::No);
            QTest::keyClick(box, Qt::Key_Return); // Enter takes the default
            return true;
        });
        clickCaption(main, QStringLiteral("Limpar BD"));
        Dialogs::setScripted(true);
        QCOMPARE(text, QStringLiteral("Apagar todos os dados do levantamento atual (cadastro, plano amostral, "
                                      "bairros, necessidades e resultados)?"));
        QVERIFY(noIsDefault);
        QCOMPARE(f.sql(QStringLiteral("select count(*) from Cadastro")), QStringLiteral("1"));
        QCOMPARE(main->municipalityLabel(), QStringLiteral("Recife - PE"));
    }

    void creditsNameRolesOnly()
    {
        AppFixture f;
        f.app->FormPrincipal->show();
        clickCaption(f.app->FormPrincipal, QStringLiteral("Créditos"));
        QCOMPARE(Dialogs::shown().size(), 1);
        QCOMPARE(Dialogs::shown().first().title, QStringLiteral("Créditos"));
        QWidget *credits = f.app->Creditos;
        QStringList texts;
        for (QLabel *l : credits->findChildren<QLabel *>())
            texts << l->text();
        for (const QString &t : {QStringLiteral("Nubrel"), QStringLiteral("Versão 1.2"),
                                 QStringLiteral("Kavel - Pelvane"), QStringLiteral("Tecnologia elaborada por :"),
                                 QStringLiteral("Desenvolvimento do Sistema"), QStringLiteral("Equipe Nubrel")})
            QVERIFY2(texts.contains(t), qPrintable(t));
        QVERIFY(TestSupport::findByCaption(credits, QStringLiteral("OK")));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
