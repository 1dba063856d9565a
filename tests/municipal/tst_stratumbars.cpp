#include "municipal/results/ChartFilters.h"
#include "municipal/results/StratumBars.h"
#include "tests/municipal/IndicesFixture.h"

#include <QTest>

// What the charts draw and how their risk choices filter, without a window.
class TestStratumBars : public QObject
{
    Q_OBJECT

private slots:
    void choices_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("strata");
        QTest::newRow("baixo") << int(ChartFilters::Choice::LowRisk)
                               << "Select * from Indices where IIPaeg>=0 and IIPaeg<=0.9"
                               << "Estratos com 0%=<IIP<=0.9%" << QStringList{"1", "2"};
        QTest::newRow("médio") << int(ChartFilters::Choice::MediumRisk)
                               << "Select * from Indices where IIPaeg>=1 and IIPaeg<=3.9"
                               << "Estratos com 1%=<IIP<=3.9%" << QStringList{"3", "4"};
        QTest::newRow("alto") << int(ChartFilters::Choice::HighRisk) << "Select * from Indices where IIPaeg>=4"
                              << "Estratos com IIP>=4%" << QStringList{"5", "6"};
        QTest::newRow("todos") << int(ChartFilters::Choice::AllStrata) << "Select * from Indices"
                               << "Índice de infestação predial (IIP) em cada estrato do Município"
                               << QStringList{"1", "2", "3", "4", "5", "6", "7"};
    }

    // The bounds belong to their class; a stratum without IIP is in none.
    void choices()
    {
        QFETCH(int, choice);
        QFETCH(QString, statement);
        QFETCH(QString, title);
        QFETCH(QStringList, strata);
        QString rows;
        const char *iips[] = {"0", "0.9", "1", "3.9", "4", "12.5", ""};
        for (int e = 7; e >= 1; --e)
            rows += IndicesFixture::stratum(e, QString::fromLatin1(iips[e - 1]), QStringLiteral("1"),
                                            QStringLiteral("0, 0, 0, 0, 0, 0, 0"));
        IndicesFixture f(rows);
        const ChartFilters::Filter filter = ChartFilters::filter(ChartFilters::Choice(choice));
        QCOMPARE(filter.statement, statement);
        QCOMPARE(filter.iipTitle, title);
        ChartFilters::apply(f.indices(), filter.statement);
        QCOMPARE(f.indices().statement(), statement);
        QCOMPARE(StratumBars::read(f.indices()).strata, strata);
    }

    void barsInAscendingStrataWithEmptyValuesAsZero()
    {
        IndicesFixture f(IndicesFixture::stratum(10, QStringLiteral("2.5"), QStringLiteral("140.5"),
                                                 QStringLiteral("10, 20, 30, 40, null, 0, 0"))
                         + IndicesFixture::stratum(2, QString(), QString(), QStringLiteral("0, 0, 0, 0, 0, 0, 100")));
        const StratumBars bars = StratumBars::read(f.indices());
        QCOMPARE(bars.strata, QStringList({"2", "10"})); // by number, not by text
        QCOMPARE(bars.iipAeg, QVector<double>({0, 2.5}));
        QCOMPARE(bars.ibAeg, QVector<double>({0, 140.5}));
        QCOMPARE(bars.classes[0], QVector<double>({0, 10}));
        QCOMPARE(bars.classes[3], QVector<double>({0, 40}));
        QCOMPARE(bars.classes[4], QVector<double>({0, 0}));
        QCOMPARE(bars.classes[6], QVector<double>({100, 0}));
        QCOMPARE(StratumBars::classNames, QStringList({"A1", "A2", "B", "C", "D1", "D2", "E"}));
    }

    void closedQueryDrawsNothing()
    {
        IndicesFixture f(IndicesFixture::stratum(1, QStringLiteral("1"), QStringLiteral("1"),
                                                 QStringLiteral("0, 0, 0, 0, 0, 0, 0")));
        f.indices().close();
        QVERIFY(StratumBars::read(f.indices()).strata.isEmpty());
    }
};

QTEST_MAIN(TestStratumBars)
#include "tst_stratumbars.moc"
