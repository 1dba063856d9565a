#include "common/StepError.h"
#include "municipal/results/MunicipalityStatistics.h"
#include "tests/municipal/SamplingFixture.h"

#include <QTest>

using MunicipalityStatistics::Figures;
using TestSupport::local;

namespace {

// Strata of Indices with their Ae. aegypti IIP and IB, written with '.'.
QString strata(const QList<std::pair<QString, QString>> &iipAndIb)
{
    QString sql;
    int estrato = 0;
    for (const auto &[iip, ib] : iipAndIb)
        sql += QStringLiteral("insert into Indices (Estrato, IIPaeg, IBaeg) values (%1, %2, %3);")
                   .arg(++estrato)
                   .arg(iip, ib);
    return sql;
}

// Consolidado rows with their dwellings and containers with larvae, and the
// totals row with the dwellings inspected.
QString results(const QList<QList<int>> &rows, const QString &inspected)
{
    QString sql;
    int estrato = 0;
    for (const QList<int> &r : rows)
        sql += QStringLiteral("insert into Consolidado (Estrato, ImoveisComAegTotal, ImoveisComAlbTotal, "
                              "DepositoAegTotal, DepositoAlbTotal) values (%1, %2, %3, %4, %5);")
                   .arg(++estrato)
                   .arg(r[0])
                   .arg(r[1])
                   .arg(r[2])
                   .arg(r[3]);
    if (!inspected.isNull())
        sql +=
            QStringLiteral("insert into TotaisDoConsolidado (TotalImoveisInspecionados) values (%1);").arg(inspected);
    return sql;
}

QStringList spread(const MunicipalityStatistics::Spread &s)
{
    return {s.mean, s.variance, s.deviation, s.variation};
}

QStringList locals(const QStringList &numbers)
{
    QStringList out;
    for (const QString &n : numbers)
        out << local(n);
    return out;
}

} // namespace

class TestStatistics : public QObject
{
    Q_OBJECT

private slots:
    void spreadOfTheStrata_data()
    {
        QTest::addColumn<QString>("indices");
        QTest::addColumn<QStringList>("iip");
        QTest::addColumn<QStringList>("ib");
        // the deviation is the root of the variance shown, the coefficient from the figures shown
        QTest::newRow("three strata") << strata({{"1.0", "2.0"}, {"2.0", "3.0"}, {"4.0", "7.0"}})
                                      << QStringList{"2.3", "2.3", "1.5", "65.2"}
                                      << QStringList{"4.0", "7.0", "2.6", "65.0"};
        QTest::newRow("two equal strata")
            << strata({{"2.5", "3.0"}, {"2.5", "3.0"}}) << QStringList{"2.5", "0.0", "0", "0.0"}
            << QStringList{"3.0", "0.0", "0", "0.0"};
        QTest::newRow("one stratum") << strata({{"0.0", "12.0"}}) << QStringList{"0.0", "0", "0", "0"}
                                     << QStringList{"12.0", "0", "0", "0.0"};
        QTest::newRow("no strata") << QString() << QStringList{"0", "0", "0", "0"} << QStringList{"0", "0", "0", "0"};
        QTest::newRow("an empty index counts as 0")
            << strata({{"3.0", "6.0"}}) + QStringLiteral("insert into Indices (Estrato) values (2);")
            << QStringList{"1.5", "4.5", "2.1", "140.0"} << QStringList{"3.0", "18.0", "4.2", "140.0"};
    }
    void spreadOfTheStrata()
    {
        QFETCH(QString, indices);
        QFETCH(QStringList, iip);
        QFETCH(QStringList, ib);
        SamplingFixture f(indices);
        const Figures figures = MunicipalityStatistics::compute(*f.dm);
        QCOMPARE(spread(figures.iip), locals(iip));
        QCOMPARE(spread(figures.ib), locals(ib));
    }

    void municipalityIndicesAndRisk_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QStringList>("indices");
        QTest::addColumn<QString>("risk");
        QTest::addColumn<QColor>("colour");
        // dwellings and containers pooled over the strata, over all dwellings inspected
        QTest::newRow("5 in 200") << results({{3, 1, 4, 0}, {2, 0, 3, 1}}, "200")
                                  << QStringList{"2.5", "0.5", "3.5", "0.5"} << "Médio Risco" << QColor(255, 255, 0);
        QTest::newRow("8 in 200") << results({{8, 2, 9, 3}}, "200") << QStringList{"4.0", "1.0", "4.5", "1.5"}
                                  << "Alto Risco" << QColor(255, 0, 0);
        QTest::newRow("0.9 exactly") << results({{9, 0, 10, 0}}, "1000") << QStringList{"0.9", "0.0", "1.0", "0.0"}
                                     << "Baixo Risco" << QColor(0, 128, 0);
        QTest::newRow("3.9 exactly") << results({{39, 0, 40, 0}}, "1000") << QStringList{"3.9", "0.0", "4.0", "0.0"}
                                     << "Médio Risco" << QColor(255, 255, 0);
        QTest::newRow("no totals row") << results({{8, 2, 9, 3}}, QString()) << QStringList{"0", "0", "0", "0"}
                                       << "Baixo Risco" << QColor(0, 128, 0);
        QTest::newRow("none inspected") << results({{8, 2, 9, 3}}, "0") << QStringList{"0", "0", "0", "0"}
                                        << "Baixo Risco" << QColor(0, 128, 0);
    }
    void municipalityIndicesAndRisk()
    {
        QFETCH(QString, setup);
        QFETCH(QStringList, indices);
        SamplingFixture f(setup);
        const Figures figures = MunicipalityStatistics::compute(*f.dm);
        QCOMPARE((QStringList{figures.iipAegypti, figures.iipAlbopictus, figures.ibAegypti, figures.ibAlbopictus}),
                 locals(indices));
        QVERIFY(figures.risk.has_value());
        QTEST(figures.risk->caption, "risk");
        QTEST(figures.risk->colour, "colour");
    }

    void strataPerRiskClass()
    {
        SamplingFixture f(strata(
            {{"0.0", "0"}, {"0.9", "1"}, {"1.0", "1"}, {"3.9", "5"}, {"4.0", "6"}, {"7.5", "9"}, {"12.0", "15"}}));
        const Figures figures = MunicipalityStatistics::compute(*f.dm);
        QCOMPARE((QStringList{figures.lowRiskStrata, figures.mediumRiskStrata, figures.highRiskStrata}),
                 (QStringList{"2", "2", "3"}));
    }

    void filterLeftInForce()
    {
        SamplingFixture f(strata({{"0.5", "1.0"}, {"2.0", "3.0"}, {"4.0", "5.0"}, {"6.0", "9.0"}}));
        DataSet &query = *f.dm->ADOQueryIndices;
        query.setStatement(QStringLiteral("Select * from Indices where IIPaeg>=4"));
        query.open();
        QCOMPARE(query.recordCount(), 2);

        const Figures figures = MunicipalityStatistics::compute(*f.dm);
        // mean and spread of the high-risk strata alone
        QCOMPARE(spread(figures.iip), locals({"5.0", "2.0", "1.4", "28.0"}));
        QCOMPARE(spread(figures.ib), locals({"7.0", "8.0", "2.8", "40.0"}));
        // the classes count every stratum
        QCOMPARE((QStringList{figures.lowRiskStrata, figures.mediumRiskStrata, figures.highRiskStrata}),
                 (QStringList{"1", "1", "2"}));
        // and the page lists every stratum again
        QCOMPARE(query.statement(), QStringLiteral("Select * from Indices"));
        QVERIFY(query.isActive());
        QCOMPARE(query.recordCount(), 4);
    }

    void failingClassQueryStillListsAllStrata()
    {
        SamplingFixture f(strata({{"0.5", "1.0"}, {"4.0", "5.0"}}));
        DataSet &query = *f.dm->ADOQueryIndices;
        query.setStatement(QStringLiteral("Select * from Indices where IIPaeg>=4"));
        query.open();
        // another program takes the column away: the class queries fail, the plain one still reads
        f.sql(QStringLiteral("alter table Indices drop column IIPaeg;"));
        try {
            MunicipalityStatistics::compute(*f.dm);
            QFAIL("a class query over a missing column succeeded");
        } catch (const StepError &e) {
            QVERIFY2(e.message().contains(QStringLiteral("IIPaeg")), qPrintable(e.message()));
        }
        QCOMPARE(query.statement(), QStringLiteral("Select * from Indices"));
        QVERIFY(query.isActive());
        QCOMPARE(query.recordCount(), 2);
    }
};

QTEST_MAIN(TestStatistics)
#include "tst_statistics.moc"
