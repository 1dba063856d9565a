#include "common/StepError.h"
#include "municipal/results/ConsolidadoCalculation.h"
#include "municipal/results/OneDecimalPercent.h"
#include "municipal/results/RiskFilter.h"
#include "tests/municipal/ResultsFixture.h"

#include <QTest>

// "Cálculo" over a real database file, read back with sqlite3.
class TestConsolidadoCalculation : public QObject
{
    Q_OBJECT

private slots:
    void percentage_data();
    void percentage();
    void calculation_data();
    void calculation();
    void secondRunGivesTheSameValues();
    void eachStratumKeepsItsOwnRowUnderAFilter();
    void failureMidwayLeavesThePreviousResults();
};

void TestConsolidadoCalculation::percentage_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<QString>("expected");
    QTest::newRow("1 of 3") << 1 << 3 << "33.3";
    QTest::newRow("2 of 3") << 2 << 3 << "66.7";
    QTest::newRow("1 of 16") << 1 << 16 << "6.3";
    QTest::newRow("3 of 2000") << 3 << 2000 << "0.2";
    // 26.25 is 26.2499999999999999983 in extended precision: the 18-digit step rounds it up
    QTest::newRow("21 of 80") << 21 << 80 << "26.3";
    QTest::newRow("53 of 400") << 53 << 400 << "13.3";
}

void TestConsolidadoCalculation::percentage()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(QString, expected);
    QCOMPARE(OneDecimalPercent::text(a, b), TestSupport::local(expected));
}

void TestConsolidadoCalculation::calculation_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("check");
    QTest::addColumn<QString>("expected");
    const QString sample = stratumSql(1, 200,
                                      QStringLiteral("ImoveisInspecionados=200 ImoveisComAegTB=3 ImoveisComAegOutros=2 "
                                                     "DepositoAegA1=1 DepositoAegB=3 DepositoAegE=2"));
    QTest::newRow("200 inspected")
        << sample
        << "select c.ImoveisComAegTotal, c.ImoveisComAlbTotal, c.DepositoAegTotal, '[' || c.Critica || ']', "
           "i.ImoveisInspecionados, i.ImoveisComAegTB, i.ImoveisComAegOutros, i.PerdaNaAmostra, i.IIPaeg, i.IIPalb, "
           "i.IBaeg, i.IBalb, i.A1, i.A2, i.B, i.C, i.D1, i.D2, i.E from Consolidado c, Indices i"
        << "5|0|6|[                 OK !]|200|1.5|1.0|0.0|2.5|0.0|3.0|0.0|16.7|0.0|50.0|0.0|0.0|0.0|33.3";
    QTest::newRow("fewer containers than dwellings")
        << stratumSql(1, 200,
                      QStringLiteral("ImoveisInspecionados=200 ImoveisComAegTB=3 ImoveisComAegOutros=2 "
                                     "DepositoAegA1=1 DepositoAegB=3"))
        << "select '[' || Critica || ']', DepositoAegTotal from Consolidado"
        << "[              Verifique !]|4";
    QTest::newRow("as many containers as dwellings")
        << stratumSql(1, 10, QStringLiteral("ImoveisInspecionados=10 ImoveisComAlbTB=2 DepositoAlbTotal=2"))
        << "select '[' || Critica || ']' from Consolidado"
        << "[                 OK !]";
    QTest::newRow("loss 9.1") << stratumSql(1, 220, QStringLiteral("ImoveisInspecionados=200"))
                              << "select PerdaNaAmostra from Indices"
                              << "9.1";
    QTest::newRow("more inspected than programmed")
        << stratumSql(1, 200, QStringLiteral("ImoveisInspecionados=210")) << "select PerdaNaAmostra from Indices"
        << "0.0";
    QTest::newRow("none inspected")
        << stratumSql(1, 50)
        << "select ImoveisInspecionados, ImoveisComAegTB, ImoveisComAegOutros, ImoveisComAlbTB, ImoveisComAlbOutros, "
           "IIPaeg, IIPalb, IBaeg, IBalb, PerdaNaAmostra from Indices"
        << "0|0.0|0.0|0.0|0.0|0.0|0.0|0.0|0.0|100.0";
    QTest::newRow("empty counts stay empty")
        << stratumSql(1, 50) << "select quote(ImoveisInspecionados), quote(DepositoAegA1) from Consolidado"
        << "NULL|NULL";
    QTest::newRow("totals and shares rows created")
        << sample
        << "select (select count(*) from TotaisDoConsolidado), (select count(*) from PercentuaisCriadouros), "
           "(select TotalDepositos from TotaisDoConsolidado)"
        << "1|1|6";
    QTest::newRow("three strata") << stratumSql(1, 60, QStringLiteral("ImoveisInspecionados=50 DepositoAegA1=1"))
                                         + stratumSql(
                                             2, 60,
                                             QStringLiteral("ImoveisInspecionados=60 DepositoAegA1=2 DepositoAegD2=4"))
                                         + stratumSql(3, 80, QStringLiteral("ImoveisInspecionados=70 DepositoAegA1=3"))
                                  << "select * from TotaisDoConsolidado"
                                  << "3|200|180|6|0|0|0|0|4|0|10";
    QTest::newRow("one class holds every container")
        << stratumSql(1, 60, QStringLiteral("ImoveisInspecionados=50 DepositoAegB=3"))
               + stratumSql(2, 60, QStringLiteral("ImoveisInspecionados=60 DepositoAegB=2"))
        << "select * from PercentuaisCriadouros"
        << "0.0|0.0|100.0|0.0|0.0|0.0|0.0";
    QTest::newRow("shares of the municipality")
        << stratumSql(1, 60, QStringLiteral("ImoveisInspecionados=50 DepositoAegA1=1 DepositoAegC=2"))
        << "select PercentDepA1, PercentDepC from PercentuaisCriadouros"
        << "33.3|66.7";
    QTest::newRow("extended rounding decides")
        << stratumSql(1, 80, QStringLiteral("ImoveisInspecionados=80 ImoveisComAegTB=21"))
        << "select ImoveisComAegTB, IIPaeg from Indices"
        << "26.3|26.3";
    QTest::newRow("no strata") << QString("insert into TotaisDoConsolidado values (4, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1);"
                                          "insert into PercentuaisCriadouros values (1, 2, 3, 4, 5, 6, 7);")
                               << "select * from TotaisDoConsolidado; select * from PercentuaisCriadouros"
                               << "4|0|0|0|0|0|0|0|0|0|0\n1.0|2.0|3.0|4.0|5.0|6.0|7.0";
}

void TestConsolidadoCalculation::calculation()
{
    QFETCH(QString, setup);
    QFETCH(QString, check);
    QFETCH(QString, expected);
    ResultsFixture f(setup);
    ConsolidadoCalculation::run(*f.dm);
    QCOMPARE(f.sql(check), expected);
}

void TestConsolidadoCalculation::secondRunGivesTheSameValues()
{
    ResultsFixture f(stratumSql(1, 60, QStringLiteral("ImoveisInspecionados=55 ImoveisComAegTB=2 DepositoAegA2=3"))
                     + stratumSql(2, 90, QStringLiteral("ImoveisInspecionados=90 ImoveisComAlbOutros=7")));
    ConsolidadoCalculation::run(*f.dm);
    const QString all = QStringLiteral("select * from Consolidado; select * from Indices; "
                                       "select * from TotaisDoConsolidado; select * from PercentuaisCriadouros");
    const QString first = f.sql(all);
    ConsolidadoCalculation::run(*f.dm);
    QCOMPARE(f.sql(all), first);
    QCOMPARE(f.sql(QStringLiteral("select count(*) from Indices")), QStringLiteral("2"));
}

void TestConsolidadoCalculation::eachStratumKeepsItsOwnRowUnderAFilter()
{
    // Indices lists the strata in another order than Consolidado, and a
    // filter shows only one of them.
    ResultsFixture f(QStringLiteral("insert into Consolidado (Estrato, ImoveisProgramados, ImoveisInspecionados, "
                                    "ImoveisComAegTB) values (1, 100, 100, 5), (2, 100, 100, 1), (3, 100, 50, 4);"
                                    "insert into Indices (Estrato, ImoveisProgramados, IIPaeg) values "
                                    "(3, 100, 9), (1, 100, 0), (2, 100, 0);"));
    QCOMPARE(RiskFilter::choose(*f.dm->ADOQueryIndices, RiskFilter::Index::IIP, QStringLiteral("IIP >= 4%")), 1);
    ConsolidadoCalculation::run(*f.dm);
    QCOMPARE(f.sql(QStringLiteral("select Estrato, ImoveisInspecionados, IIPaeg, PerdaNaAmostra from Indices "
                                  "order by Estrato")),
             QStringLiteral("1|100|5.0|0.0\n2|100|1.0|0.0\n3|50|8.0|50.0"));
    // The filter stays in force over the new values: strata 1 and 3 are high now.
    QCOMPARE(f.dm->ADOQueryIndices->statement(), QStringLiteral("Select * from Indices where IIPaeg>=4"));
    QCOMPARE(f.dm->ADOQueryIndices->recordCount(), 2);
}

void TestConsolidadoCalculation::failureMidwayLeavesThePreviousResults()
{
    ResultsFixture f(stratumSql(1, 60, QStringLiteral("ImoveisInspecionados=50 ImoveisComAegTB=2 DepositoAegA1=1"))
                     + stratumSql(2, 60, QStringLiteral("ImoveisInspecionados=60 DepositoAegB=2"))
                     + stratumSql(3, 60, QStringLiteral("ImoveisInspecionados=40")));
    ConsolidadoCalculation::run(*f.dm);
    // New counts typed, then the engine fails on the second stratum's indices.
    f.sql(QStringLiteral("update Consolidado set ImoveisInspecionados = 30, DepositoAegC = 9;"
                         "create trigger falha before update on Indices when new.Estrato = 2 "
                         "begin select raise(abort, 'disco cheio'); end;"));
    f.dm->ADOTableConsolidado->refresh();
    const QString all = QStringLiteral("select * from Consolidado; select * from Indices; "
                                       "select * from TotaisDoConsolidado; select * from PercentuaisCriadouros");
    const QString before = f.sql(all);
    QVERIFY_THROWS_EXCEPTION(StepError, ConsolidadoCalculation::run(*f.dm));
    QCOMPARE(f.sql(all), before);
    // The data sets show the stored rows again, not the abandoned ones.
    DataSet &consolidado = *f.dm->ADOTableConsolidado;
    QVERIFY(!consolidado.isEditing());
    QCOMPARE(consolidado.integerAt(0, consolidado.fieldIndex(QStringLiteral("DepositoAegTotal"))), 1);
    DataSet &totais = *f.dm->ADOTableTotalConsolidado;
    QCOMPARE(totais.asInteger(QStringLiteral("TotalImoveisInspecionados")), 150);
    // Without the fault the new values go in together.
    f.sql(QStringLiteral("drop trigger falha"));
    ConsolidadoCalculation::run(*f.dm);
    QCOMPARE(f.sql(QStringLiteral("select TotalImoveisInspecionados, TotalDepositoC from TotaisDoConsolidado; "
                                  "select group_concat(IBaeg, ' ') from Indices")),
             QStringLiteral("90|27\n33.3 36.7 30.0"));
}

QTEST_MAIN(TestConsolidadoCalculation)
#include "tst_consolidadocalculation.moc"
