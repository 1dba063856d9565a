#include "common/DataGrid.h"
#include "common/DataSet.h"
#include "municipal/app/TFormDadosGerais.h"
#include "municipal/data/TDataModule1.h"
#include "municipal/results/IndicesPage.h"
#include "municipal/results/TFormGraficos.h"
#include "tests/gui/AppFixture.h"
#include "tests/support/XlsxReader.h"

#include <QBarCategoryAxis>
#include <QChart>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>

using TestSupport::findByCaption;

namespace {

// São José - SC with strata 1 (low), 2 (medium) and 3 (high risk), stored as 3, 1, 2.
const QString survey = QStringLiteral(
    "insert into Cadastro values (4216602, 'São José', 'SC', 80000, 'Jan/2026', '2026');"
    "insert into Indices (Estrato, ImoveisProgramados, ImoveisInspecionados, IIPaeg, IBaeg) values (3, 90, 80, 6.3, "
    "7.5);"
    "insert into Indices (Estrato, ImoveisProgramados, ImoveisInspecionados, IIPaeg, IBaeg) values (1, 70, 70, 0.5, "
    "0.5);"
    "insert into Indices (Estrato, ImoveisProgramados, ImoveisInspecionados, IIPaeg, IBaeg) values (2, 60, 50, 2, 4);");

// Brings the page with this tab caption to the front, at any depth.
void showTab(QWidget *root, const QString &caption)
{
    for (QTabWidget *tabs : root->findChildren<QTabWidget *>())
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->tabText(i) == caption)
                tabs->setCurrentIndex(i);
}

// Shows the work window with the page "Índices" in front; false when it never appears.
bool showIndices(QWidget *work)
{
    work->show();
    showTab(work, QStringLiteral("Consolidado"));
    showTab(work, QStringLiteral("Índices"));
    return QTest::qWaitForWindowExposed(work);
}

// Types an item into an editable chooser and confirms it with Return.
void typeChoice(QComboBox *chooser, const QString &item)
{
    chooser->lineEdit()->selectAll();
    QTest::keyClicks(chooser->lineEdit(), item);
    QTest::keyClick(chooser->lineEdit(), Qt::Key_Return);
}

QStringList strata(QChart *chart)
{
    return qobject_cast<QBarCategoryAxis *>(chart->axes(Qt::Horizontal).value(0))->categories();
}

} // namespace

class TestIndicesButtons : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_home = TestSupport::ownHome(); }

    void chartsFollowThePageAndThePageFollowsTheCharts()
    {
        AppFixture f(survey);
        TFormDadosGerais *work = f.app->FormDadosGerais;
        QVERIFY(showIndices(work));
        QAbstractItemModel *grid = work->indicesPage()->DBGrid2()->model();
        QCOMPARE(grid->rowCount(), 3);

        // the page's IIP chooser picks the high class before the charts open
        auto *chooser =
            qobject_cast<QComboBox *>(findByCaption(work, QStringLiteral("N° de estratos para cada faixa de IIP :")));
        QVERIFY(chooser);
        typeChoice(chooser, QStringLiteral("IIP >= 4%"));
        QCOMPARE(grid->rowCount(), 1);

        TFormGraficos *charts = f.app->FormGraficos;
        QVERIFY(!charts->isVisible());
        clickCaption(work, QStringLiteral("Gráficos"));
        QVERIFY(QTest::qWaitForWindowExposed(charts));
        QCOMPARE(strata(charts->DBChart1()), QStringList{"3"});

        clickCaption(charts, QStringLiteral("Estratos com médio risco"));
        QCOMPARE(strata(charts->DBChart3()), QStringList{"2"});
        QCOMPARE(grid->rowCount(), 1);
        QCOMPARE(grid->index(0, 0).data().toString(), QStringLiteral("2"));

        clickCaption(charts, QStringLiteral("Fechar"));
        QVERIFY(!charts->isVisible());
        QCOMPARE(grid->rowCount(), 3);
        QCOMPARE(f.app->DataModule1->ADOQueryIndices->statement(), QStringLiteral("Select * from Indices"));
    }

    void excelSavesTheListedStrataIntoTheDocumentsFolder()
    {
        AppFixture f(survey);
        TFormDadosGerais *work = f.app->FormDadosGerais;
        QVERIFY(showIndices(work));

        auto *chooser =
            qobject_cast<QComboBox *>(findByCaption(work, QStringLiteral("N° de estratos para cada faixa de IB :")));
        QVERIFY(chooser);
        typeChoice(chooser, QStringLiteral("IB >= 4%"));

        clickCaption(work, QStringLiteral("Excel"));
        const QString path = QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                                 .filePath(QStringLiteral("São José-SC.xlsx"));
        const auto shown = Dialogs::shown();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[0].text, QStringLiteral("O arquivo sera salvo como São José-SC na pasta Meus Documentos"));
        QCOMPARE(shown[1].kind, QStringLiteral("desktop"));
        QCOMPARE(shown[1].text, path);

        const auto cells = TestSupport::xlsxCells(path);
        QCOMPARE(cells[QStringLiteral("D6")].value, QStringLiteral("São José"));
        QCOMPARE(cells[QStringLiteral("D7")].value, QStringLiteral("SC"));
        QCOMPARE(cells[QStringLiteral("D8")].value, QStringLiteral("Jan/2026"));
        // stored order, IB of 4 and more: strata 3 and 2
        QCOMPARE(cells[QStringLiteral("A12")].value, QStringLiteral("3"));
        QCOMPARE(cells[QStringLiteral("K12")].value.toDouble(), 7.5);
        QCOMPARE(cells[QStringLiteral("A13")].value, QStringLiteral("2"));
        QVERIFY(!cells.contains(QStringLiteral("A14")));
    }

private:
    std::unique_ptr<QTemporaryDir> m_home;
};

QTEST_MAIN(TestIndicesButtons)
#include "tst_indicesbuttons.moc"
