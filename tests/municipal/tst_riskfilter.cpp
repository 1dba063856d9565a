#include "municipal/results/RiskFilter.h"
#include "tests/municipal/ResultsFixture.h"

#include <QTest>

// The risk choosers' items and queries over the stratum query.
class TestRiskFilter : public QObject
{
    Q_OBJECT

private slots:
    void classesListTheirStrata_data();
    void classesListTheirStrata();
    void unmatchedTextLeavesTheQuery();
    void itemsInOrder();

private:
    static QString strataListed(const DataSet &ds);
};

QString TestRiskFilter::strataListed(const DataSet &ds)
{
    QStringList list;
    for (int row = 0; row < ds.recordCount(); ++row)
        list << ds.textAt(row, ds.fieldIndex(QStringLiteral("Estrato")));
    return list.join(QLatin1Char(' '));
}

void TestRiskFilter::classesListTheirStrata_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("strata");
    const int iip = int(RiskFilter::Index::IIP);
    const int ib = int(RiskFilter::Index::IB);
    QTest::newRow("low IIP") << iip << "0% =< IIP <= 0,9%"
                             << "1 2";
    QTest::newRow("medium IIP") << iip << "1% =< IIP <= 3,9%"
                                << "3 4";
    QTest::newRow("high IIP") << iip << "IIP >= 4%"
                              << "5 6";
    QTest::newRow("all, IIP") << iip << "Todos os registros"
                              << "1 2 3 4 5 6";
    QTest::newRow("low IB") << ib << "0% =< IB <= 0,9%"
                            << "6";
    QTest::newRow("medium IB") << ib << "1% =< IB <= 3,9%"
                               << "";
    QTest::newRow("high IB, past 100") << ib << "IB >= 4%"
                                       << "1 2 3 4 5";
    QTest::newRow("all, IB") << ib << "Todos os registros"
                             << "1 2 3 4 5 6";
}

void TestRiskFilter::classesListTheirStrata()
{
    QFETCH(int, index);
    QFETCH(QString, item);
    QFETCH(QString, strata);
    ResultsFixture f(QStringLiteral(
        "insert into Indices (Estrato, IIPaeg, IBaeg) values (1, 0.0, 4), (2, 0.9, 4.5), (3, 1.0, 12), (4, 3.9, 100),"
        " (5, 4.0, 120.5), (6, 12.5, 0.9);"));
    DataSet &query = *f.dm->ADOQueryIndices;
    const int count = RiskFilter::choose(query, RiskFilter::Index(index), item);
    QCOMPARE(strataListed(query), strata);
    QCOMPARE(count, int(strata.split(QLatin1Char(' '), Qt::SkipEmptyParts).size()));
    QCOMPARE(query.statement(), RiskFilter::statement(RiskFilter::Index(index), item));
}

void TestRiskFilter::unmatchedTextLeavesTheQuery()
{
    ResultsFixture f(QStringLiteral("insert into Indices (Estrato, IIPaeg, IBaeg) values (1, 0.5, 9), (2, 5, 9);"));
    DataSet &query = *f.dm->ADOQueryIndices;
    QCOMPARE(RiskFilter::choose(query, RiskFilter::Index::IIP, QStringLiteral("IIP >= 4%")), 1);
    for (const QString &text : {QStringLiteral("Selecionar uma consulta"), QStringLiteral("iip >= 4%"),
                                QStringLiteral("IB >= 4%"), QString()})
        QCOMPARE(RiskFilter::choose(query, RiskFilter::Index::IIP, text), 1);
    QCOMPARE(query.statement(), QStringLiteral("Select * from Indices where IIPaeg>=4"));
    QCOMPARE(strataListed(query), QStringLiteral("2"));
}

void TestRiskFilter::itemsInOrder()
{
    QCOMPARE(RiskFilter::items(RiskFilter::Index::IIP),
             QStringList({"0% =< IIP <= 0,9%", "1% =< IIP <= 3,9%", "IIP >= 4%", "Todos os registros"}));
    QCOMPARE(RiskFilter::items(RiskFilter::Index::IB),
             QStringList({"0% =< IB <= 0,9%", "1% =< IB <= 3,9%", "IB >= 4%", "Todos os registros"}));
    QCOMPARE(RiskFilter::statement(RiskFilter::Index::IB, QStringLiteral("1% =< IB <= 3,9%")),
             QStringLiteral("Select * from Indices where IBaeg>=1 and IBaeg<=3.9"));
    QCOMPARE(RiskFilter::statement(RiskFilter::Index::IIP, QStringLiteral("0% =< IIP <= 0,9%")),
             QStringLiteral("Select * from Indices where IIPaeg>=0 and IIPaeg<=0.9"));
}

QTEST_MAIN(TestRiskFilter)
#include "tst_riskfilter.moc"
