#include "common/DataGrid.h"
#include "municipal/results/TFormGraficos.h"
#include "tests/municipal/IndicesFixture.h"
#include "tests/support/ReportAnswers.h"

#include <QAbstractButton>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QGroupBox>
#include <QLabel>
#include <QLegend>
#include <QProcess>
#include <QRadioButton>
#include <QTest>
#include <QValueAxis>

namespace {

const QString allIndices = QStringLiteral("Select * from Indices");
const QString initialTitle =
    QStringLiteral("Índice de infestação predial (IIP) para Ae.aegypti em cada estrato do Município ");
const QString shortTitle = QStringLiteral("Índice de infestação predial (IIP) em cada estrato do Município");
const QString classesTitle = QStringLiteral("                          Frequência percentual de criadouros positivos "
                                            "para Ae.aegypti em cada estrato do Município");

// Strata stored as 3, 1, 2: low, medium and high risk by IIP.
QString threeStrata()
{
    return IndicesFixture::stratum(3, QStringLiteral("4.5"), QStringLiteral("120.5"),
                                   QStringLiteral("10.5, 0, 20, 30, 0, 9.5, 30"))
           + IndicesFixture::stratum(1, QStringLiteral("0.9"), QStringLiteral("1.2"),
                                     QStringLiteral("100, 0, 0, 0, 0, 0, 0"))
           + IndicesFixture::stratum(2, QStringLiteral("1"), QStringLiteral("3.9"),
                                     QStringLiteral("0, 50, 0, 0, 50, 0, 0"));
}

QBarSeries *series(QChart *chart)
{
    return qobject_cast<QBarSeries *>(chart->series().value(0));
}

QStringList categories(QChart *chart)
{
    const auto axes = chart->axes(Qt::Horizontal);
    auto *axis = qobject_cast<QBarCategoryAxis *>(axes.value(0));
    return axis ? axis->categories() : QStringList{QStringLiteral("no category axis")};
}

QList<double> values(const QBarSet *set)
{
    QList<double> out;
    for (int i = 0; i < set->count(); ++i)
        out << set->at(i);
    return out;
}

// The heights of the bars of one chart's only series.
QList<double> heights(QChart *chart)
{
    QBarSeries *s = series(chart);
    return s && s->count() == 1 ? values(s->barSets().first()) : QList<double>{-1};
}

void click(QWidget *window, const QString &caption)
{
    auto *button = qobject_cast<QAbstractButton *>(TestSupport::findByCaption(window, caption));
    QVERIFY2(button, qPrintable(caption));
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

class TestCharts : public QObject
{
    Q_OBJECT

private slots:
    void barsInStratumOrderWithTheirLook()
    {
        IndicesFixture f(threeStrata());
        TFormGraficos window(*f.dm, *f.reports);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Gráficos do Nubrel para Aedes aegypti"));
        QCOMPARE(TestSupport::unnamedControls(&window), QStringList());

        auto *label = window.findChild<QLabel *>(QStringLiteral("LabelMunicipio"));
        QVERIFY(label);
        QCOMPARE(label->text(), QStringLiteral("São José - SC"));
        QVERIFY(label->font().bold());

        for (QChart *chart : {window.DBChart1(), window.DBChart2(), window.DBChart3()}) {
            QCOMPARE(categories(chart), QStringList({"1", "2", "3"}));
            QCOMPARE(chart->backgroundBrush().color(), QColor(Qt::white));
            for (QAbstractAxis *axis : chart->axes()) {
                QVERIFY(!axis->isGridLineVisible());
                QVERIFY(!axis->isMinorGridLineVisible());
            }
            QCOMPARE(chart->axes(Qt::Horizontal).value(0)->titleText(), QStringLiteral("Estratos"));
        }
        QCOMPARE(heights(window.DBChart1()), QList<double>({0.9, 1.0, 4.5}));
        QCOMPARE(heights(window.DBChart3()), QList<double>({1.2, 3.9, 120.5}));

        QCOMPARE(window.DBChart1()->title(), initialTitle);
        QCOMPARE(window.DBChart3()->title(),
                 QStringLiteral("Índice de Breteau (IB) para Ae.aegypti em cada estrato do Município"));
        QCOMPARE(window.DBChart2()->title(), classesTitle);
        QCOMPARE(window.DBChart1()->axes(Qt::Vertical).value(0)->titleText(),
                 QStringLiteral("Índice de infestação predial (IIP)"));
        QCOMPARE(window.DBChart3()->axes(Qt::Vertical).value(0)->titleText(), QStringLiteral("Índice de Breteau (IB)"));
        QCOMPARE(window.DBChart2()->axes(Qt::Vertical).value(0)->titleText(), QStringLiteral("Frequência % "));

        // IIP and IB: one series with value labels, bars 40 % of the slot, their colours, no legend.
        for (QChart *chart : {window.DBChart1(), window.DBChart3()}) {
            QVERIFY(series(chart)->isLabelsVisible());
            QCOMPARE(series(chart)->barWidth(), 0.4);
            QVERIFY(!chart->legend()->isVisible());
        }
        QCOMPARE(series(window.DBChart1())->barSets().first()->brush().gradient()->stops().last().second,
                 QColor(0, 64, 64));
        QCOMPARE(series(window.DBChart3())->barSets().first()->pen().style(), Qt::NoPen);
        QVERIFY(series(window.DBChart3())
                    ->barSets()
                    .first()
                    ->brush()
                    .gradient()
                    ->stops()
                    .contains({0.45, QColor(0, 128, 192).lighter(150)}));

        // Container classes: seven series side by side, no value labels, a legend titled "Criadouros".
        QBarSeries *classes = series(window.DBChart2());
        QVERIFY(!classes->isLabelsVisible());
        QStringList names;
        for (const QBarSet *set : classes->barSets())
            names << set->label();
        QCOMPARE(names, QStringList({"A1", "A2", "B", "C", "D1", "D2", "E"}));
        QCOMPARE(values(classes->barSets()[0]), QList<double>({100, 0, 10.5}));
        QCOMPARE(values(classes->barSets()[1]), QList<double>({0, 50, 0}));
        QCOMPARE(values(classes->barSets()[4]), QList<double>({0, 50, 0}));
        QCOMPARE(values(classes->barSets()[5]), QList<double>({0, 0, 9.5}));
        QCOMPARE(values(classes->barSets()[6]), QList<double>({0, 0, 30}));
        QSet<QRgb> colours;
        for (QBarSet *set : classes->barSets())
            colours.insert(set->color().rgb());
        QCOMPARE(colours.size(), 7);
        auto *legend = window.findChild<QGroupBox *>(QStringLiteral("LegendaCriadouros"));
        QVERIFY(legend);
        QCOMPARE(legend->title(), QStringLiteral("Criadouros"));
        QStringList legendTexts;
        for (const QLabel *l : legend->findChildren<QLabel *>())
            if (!l->text().isEmpty())
                legendTexts << l->text();
        QCOMPARE(legendTexts, names);
    }

    void riskChoicesFilterTheChartsAndThePage_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("strata");
        QTest::addColumn<QList<double>>("iip");
        QTest::newRow("baixo") << "Estratos com baixo risco"
                               << "Select * from Indices where IIPaeg>=0 and IIPaeg<=0.9"
                               << "Estratos com 0%=<IIP<=0.9%" << QStringList{"1"} << QList<double>{0.9};
        QTest::newRow("médio") << "Estratos com médio risco"
                               << "Select * from Indices where IIPaeg>=1 and IIPaeg<=3.9"
                               << "Estratos com 1%=<IIP<=3.9%" << QStringList{"2"} << QList<double>{1.0};
        QTest::newRow("alto") << "Estratos com alto risco"
                              << "Select * from Indices where IIPaeg>=4"
                              << "Estratos com IIP>=4%" << QStringList{"3"} << QList<double>{4.5};
    }

    // A stratum whose IIP is empty is drawn among all strata only.
    void riskChoicesFilterTheChartsAndThePage()
    {
        QFETCH(QString, caption);
        QFETCH(QString, statement);
        QFETCH(QString, title);
        QFETCH(QStringList, strata);
        QFETCH(QList<double>, iip);
        IndicesFixture f(threeStrata()
                         + IndicesFixture::stratum(4, QString(), QString(), QStringLiteral("0, 0, 0, 0, 0, 0, 0")));
        TFormGraficos window(*f.dm, *f.reports);
        DataGrid grid; // the indices grid of the page, bound to the same query
        grid.bind(f.dm->DataSourceIndices);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(categories(window.DBChart1()), QStringList({"1", "2", "3", "4"}));
        QCOMPARE(heights(window.DBChart1()), QList<double>({0.9, 1.0, 4.5, 0}));
        QCOMPARE(grid.model()->rowCount(), 4);

        click(&window, caption);
        QCOMPARE(f.indices().statement(), statement);
        QCOMPARE(window.DBChart1()->title(), title);
        QCOMPARE(window.DBChart3()->title(),
                 QStringLiteral("Índice de Breteau (IB) para Ae.aegypti em cada estrato do Município"));
        QCOMPARE(window.DBChart2()->title(), classesTitle);
        for (QChart *chart : {window.DBChart1(), window.DBChart2(), window.DBChart3()})
            QCOMPARE(categories(chart), strata);
        QCOMPARE(heights(window.DBChart1()), iip);
        QCOMPARE(grid.model()->rowCount(), 1);
        QVERIFY(window.isVisible());
    }

    void highRiskWithoutSuchStratumEmptiesEverything()
    {
        IndicesFixture f(IndicesFixture::stratum(1, QStringLiteral("0.5"), QStringLiteral("0.5"),
                                                 QStringLiteral("100, 0, 0, 0, 0, 0, 0"))
                         + IndicesFixture::stratum(2, QStringLiteral("3.9"), QStringLiteral("8"),
                                                   QStringLiteral("0, 0, 100, 0, 0, 0, 0")));
        TFormGraficos window(*f.dm, *f.reports);
        DataGrid grid;
        grid.bind(f.dm->DataSourceIndices);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(grid.model()->rowCount(), 2);

        click(&window, QStringLiteral("Estratos com alto risco"));
        QCOMPARE(window.DBChart1()->title(), QStringLiteral("Estratos com IIP>=4%"));
        for (QChart *chart : {window.DBChart1(), window.DBChart2(), window.DBChart3()}) {
            QCOMPARE(categories(chart), QStringList());
            for (const QBarSet *set : series(chart)->barSets())
                QCOMPARE(set->count(), 0);
        }
        QCOMPARE(f.indices().recordCount(), 0);
        QCOMPARE(grid.model()->rowCount(), 0);
    }

    // The page was filtered before "Gráficos"; the window was last closed by its frame.
    void opensOverTheFilterInForce()
    {
        IndicesFixture f(threeStrata());
        TFormGraficos window(*f.dm, *f.reports);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        click(&window, QStringLiteral("Estratos com médio risco"));
        window.close(); // by the frame: the filter and the title stay
        QCOMPARE(f.indices().statement(), QStringLiteral("Select * from Indices where IIPaeg>=1 and IIPaeg<=3.9"));
        QCOMPARE(f.indices().recordCount(), 1);

        // the page's IIP chooser picks the high class
        f.indices().setStatement(QStringLiteral("Select * from Indices where IIPaeg>=4"));
        f.indices().open();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(categories(window.DBChart1()), QStringList({"3"}));
        QCOMPARE(heights(window.DBChart3()), QList<double>({120.5}));
        QCOMPARE(window.DBChart1()->title(), QStringLiteral("Estratos com 1%=<IIP<=3.9%"));
        QVERIFY(qobject_cast<QRadioButton *>(
                    TestSupport::findByCaption(&window, QStringLiteral("Estratos com médio risco")))
                    ->isChecked());
    }

    void closeRestoresAllStrataAndTheShorterTitle()
    {
        IndicesFixture f(threeStrata());
        TFormGraficos window(*f.dm, *f.reports);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        click(&window, QStringLiteral("Estratos com alto risco"));
        QCOMPARE(f.indices().recordCount(), 1);

        click(&window, QStringLiteral("Fechar"));
        QVERIFY(!window.isVisible());
        QCOMPARE(f.indices().statement(), allIndices);
        QCOMPARE(f.indices().recordCount(), 3);

        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.DBChart1()->title(), shortTitle);
        QCOMPARE(categories(window.DBChart1()), QStringList({"1", "2", "3"}));
        QCOMPARE(heights(window.DBChart1()), QList<double>({0.9, 1.0, 4.5}));
        QVERIFY(
            qobject_cast<QRadioButton *>(TestSupport::findByCaption(&window, QStringLiteral("Estratos com alto risco")))
                ->isChecked());
    }

    // Changes stored through the query (a new calculation) are drawn at once.
    void followsTheQueryWhileShown()
    {
        IndicesFixture f(threeStrata());
        TFormGraficos window(*f.dm, *f.reports);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        DataSet &q = f.indices();
        QVERIFY(q.locate(QStringLiteral("Estrato"), 2));
        q.edit();
        q.setFloat(QStringLiteral("IIPaeg"), 2.5L);
        q.post();
        QCOMPARE(heights(window.DBChart1()), QList<double>({0.9, 2.5, 4.5}));
    }

    void printsThePictureOfTheWindowToPdf()
    {
        IndicesFixture f(threeStrata());
        TFormGraficos window(*f.dm, *f.reports);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QString pdf = f.folder.file(QStringLiteral("graficos.pdf"));
        TestSupport::answerPdfFile(pdf);
        click(&window, QStringLiteral("Imprimir"));
        for (const Dialogs::Shown &s : Dialogs::shown())
            QVERIFY2(s.kind != QLatin1String("error"), qPrintable(s.text));

        const QString text = TestSupport::pdfText(pdf);
        QCOMPARE(text.count(QLatin1Char('\f')), 1); // one page
        const QString flat = text.simplified();
        for (const QString &expected :
             {QStringLiteral("São José - SC"), initialTitle.trimmed(),
              QStringLiteral("Índice de Breteau (IB) para Ae.aegypti em cada estrato do Município"),
              classesTitle.trimmed(), QStringLiteral("Criadouros"), QStringLiteral("Estratos")})
            QVERIFY2(flat.contains(expected), qPrintable(expected + QStringLiteral(" in: ") + flat));
        // the five controls are left out of the picture and shown again afterwards
        for (const QString &caption :
             {QStringLiteral("Estratos com baixo risco"), QStringLiteral("Fechar"), QStringLiteral("Imprimir")}) {
            QVERIFY2(!flat.contains(caption), qPrintable(caption));
            QVERIFY(TestSupport::findByCaption(&window, caption));
        }
        // landscape page: wider than tall
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY(info.waitForFinished());
        QVERIFY(QString::fromUtf8(info.readAllStandardOutput()).contains(QStringLiteral("842 x 595 pts (A4)")));
    }
};

QTEST_MAIN(TestCharts)
#include "tst_charts.moc"
