#include "common/DataSet.h"
#include "municipal/app/TFormAjuda.h"
#include "municipal/app/TFormCadastro.h"
#include "municipal/app/TFormDadosGerais.h"
#include "municipal/app/TFormPrincipal.h"
#include "municipal/data/TDataModule1.h"
#include "tests/gui/AppFixture.h"

#include <QTabWidget>

class TestWorkWindow : public QObject
{
    Q_OBJECT

private slots:
    void frameShowsRegistrationAndPages()
    {
        AppFixture f;
        f.sql(QStringLiteral(
            "insert into Cadastro values (4314902, 'Porto Alegre', 'RS', 600000, 'Março/2026', '2026')"));
        f.app.reset();
        f.app = std::make_unique<MunicipalApp>();
        f.app->FormPrincipal->show();
        clickCaption(f.app->FormPrincipal, QStringLiteral("Entrar"));
        TFormDadosGerais *work = f.app->FormDadosGerais;
        QVERIFY(work->isVisible());
        QCOMPARE(work->windowTitle(), QStringLiteral("Dados gerais"));
        QCOMPARE(work->headerMunicipio(), QStringLiteral("Porto Alegre"));
        QCOMPARE(work->headerUF(), QStringLiteral("RS"));
        QCOMPARE(work->headerPeriodo(), QStringLiteral("Março/2026"));
        QStringList tabs;
        auto *outer = work->findChild<QTabWidget *>();
        for (int i = 0; i < outer->count(); ++i)
            tabs << outer->tabText(i);
        QCOMPARE(tabs, QStringList({QStringLiteral("Cálculo de parâmetros"),
                                    QStringLiteral("Planejamento de necessidades"), QStringLiteral("Consolidado")}));
        for (const char *caption : {"Editar Cadastro", "Gerar dados para Kavel", "Ajuda", "Fechar"})
            QVERIFY2(TestSupport::findByCaption(work, QString::fromUtf8(caption)), caption);
        QCOMPARE(TestSupport::unnamedControls(work), QStringList());

        // "Editar Cadastro" opens the registration with its row in edit
        clickCaption(work, QStringLiteral("Editar Cadastro"));
        QVERIFY(f.app->FormCadastro->isVisible());
        QVERIFY(f.app->DataModule1->ADOTableCadastro->isEditing());

        // "Ajuda" shows the help with its five sections in order
        clickCaption(work, QStringLiteral("Ajuda"));
        QVERIFY(f.app->FormAjuda->isVisible());
        QCOMPARE(f.app->FormAjuda->windowTitle(), QStringLiteral("Ajuda"));
        const QString help = f.app->FormAjuda->helpText();
        qsizetype at = -1;
        for (const char *section : {"Instruções", "Situações obrigatórias", "Cadastro",
                                    "Plano Amostral e Definição de Quarteirões", "Necessidades", "Consolidado"}) {
            const qsizetype found = help.indexOf(QString::fromUtf8(section), at + 1);
            QVERIFY2(found > at, section);
            at = found;
        }
        QVERIFY(help.contains(QStringLiteral("Nubrel2012Municipios.db")));
        QVERIFY(help.contains(QStringLiteral(".nubrel")));

        clickCaption(work, QStringLiteral("Fechar"));
        QVERIFY(!work->isVisible());
    }
};

QTEST_MAIN(TestWorkWindow)
#include "tst_workwindow.moc"
