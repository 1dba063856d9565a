#include "common/DataSet.h"
#include "common/StepError.h"
#include "municipal/summary/SummaryRecord.h"
#include "tests/municipal/SummaryFixture.h"

#include <QTest>

namespace {

// A stratum's row of `Consolidado` with the four numerators of the pooled indices.
QString stratum(int estrato, const QString &aeg, const QString &alb, const QString &depAeg, const QString &depAlb)
{
    return QStringLiteral("insert into Consolidado (Estrato, ImoveisComAegTotal, ImoveisComAlbTotal, "
                          "DepositoAegTotal, DepositoAlbTotal) values (%1, %2, %3, %4, %5);")
        .arg(estrato)
        .arg(aeg, alb, depAeg, depAlb);
}

QString inspected(const QString &total)
{
    return QStringLiteral("insert into TotaisDoConsolidado (TotalImoveisInspecionados) values (%1);").arg(total);
}

QString text(const QStringList &texts, const QString &field)
{
    return texts.value(int(SummaryRecord::fields().indexOf(field)));
}

} // namespace

class TestSummaryRecord : public QObject
{
    Q_OBJECT

private slots:
    void indices_data();
    void indices();
    void riskClasses_data();
    void riskClasses();
    void identityAndContainerFigures();
    void unregisteredMunicipalityLeavesIdentityEmpty();
    void generatingTwiceLeavesOneRow();
    void textsAreShownAsComputed();
    void textTooLongForItsColumnKeepsEarlierRecord();
    void fileTableHasThirtyRows();
};

void TestSummaryRecord::indices_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QStringList>("computed"); // IIP, IIPalb, IB, IBalb with '.'
    QTest::addColumn<QStringList>("stored");   // the same as the boxes show them after storing
    QTest::newRow("5 of 200 gives 2.5") << stratum(1, "2", "1", "7", "0") + stratum(2, "3", "0", "3", "1")
                                               + inspected("200")
                                        << QStringList{"2.5", "0.5", "5.0", "0.5"}
                                        << QStringList{"2.5", "0.5", "5", "0.5"};
    QTest::newRow("1 of 3 gives 33.3") << stratum(1, "1", "2", "3", "4") + inspected("3")
                                       << QStringList{"33.3", "66.7", "100.0", "133.3"}
                                       << QStringList{"33.3", "66.7", "100", "133.3"};
    QTest::newRow("4 of 200 gives 2.0, stored 2")
        << stratum(1, "4", "0", "0", "0") + inspected("200") << QStringList{"2.0", "0.0", "0.0", "0.0"}
        << QStringList{"2", "0", "0", "0"};
    QTest::newRow("an empty numerator counts 0")
        << stratum(1, "NULL", "NULL", "1", "NULL") + stratum(2, "1", "NULL", "NULL", "NULL") + inspected("8")
        << QStringList{"12.5", "0.0", "12.5", "0.0"} << QStringList{"12.5", "0", "12.5", "0"};
    QTest::newRow("no results calculated")
        << stratum(1, "1", "1", "1", "1") << QStringList{"0", "0", "0", "0"} << QStringList{"0", "0", "0", "0"};
    QTest::newRow("no dwelling inspected") << stratum(1, "1", "1", "1", "1") + inspected("0")
                                           << QStringList{"0", "0", "0", "0"} << QStringList{"0", "0", "0", "0"};
    QTest::newRow("empty total of inspected") << stratum(1, "1", "1", "1", "1") + inspected("NULL")
                                              << QStringList{"0", "0", "0", "0"} << QStringList{"0", "0", "0", "0"};
}

void TestSummaryRecord::indices()
{
    QFETCH(QString, setup);
    QFETCH(QStringList, computed);
    QFETCH(QStringList, stored);
    SummaryFixture f(setup);
    const QStringList texts = SummaryRecord::compute(*f.dm);
    const QStringList names{"IIP", "IIPalb", "IB", "IBalb"};
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(text(texts, names[i]), TestSupport::local(computed[i]));

    SummaryRecord::store(*f.dm, texts);
    const DataSet &kavel = *f.dm->ADOQueryKavel;
    QCOMPARE(kavel.recordCount(), 1);
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(kavel.asText(names[i]), TestSupport::local(stored[i]));
    // The database holds numbers, whatever the separator of the texts.
    QCOMPARE(
        f.sql(QStringLiteral("select typeof(IIP), typeof(IB), typeof(IIPalb), typeof(IBalb) from Kavel;")).trimmed(),
        QStringLiteral("real|real|real|real"));
}

void TestSummaryRecord::riskClasses_data()
{
    QTest::addColumn<QString>("iipaeg");       // the strata's IIPaeg values
    QTest::addColumn<QStringList>("computed"); // count and share of Baixo, Médio, Alto, shares with '.'
    QTest::addColumn<QStringList>("stored");
    QTest::newRow("bounds belong to their classes; an empty IIPaeg counts only in all")
        << "0.9, 1, 3.9, 4, NULL" << QStringList{"1", "20.00", "2", "40.00", "1", "20.00"}
        << QStringList{"1", "20", "2", "40", "1", "20"};
    QTest::newRow("1 of 3 gives 33.33, 2 of 3 gives 66.67")
        << "0, 2.5, 3.9" << QStringList{"1", "33.33", "2", "66.67", "0", "0.00"}
        << QStringList{"1", "33.33", "2", "66.67", "0", "0"};
    QTest::newRow("3 of 3 gives 100.00") << "4, 12.5, 100" << QStringList{"0", "0.00", "0", "0.00", "3", "100.00"}
                                         << QStringList{"0", "0", "0", "0", "3", "100"};
    QTest::newRow("values between the classes count in none")
        << "0.95, 3.95" << QStringList{"0", "0.00", "0", "0.00", "0", "0.00"}
        << QStringList{"0", "0", "0", "0", "0", "0"};
    QTest::newRow("no strata") << "" << QStringList{"0", "0", "0", "0", "0", "0"}
                               << QStringList{"0", "0", "0", "0", "0", "0"};
}

void TestSummaryRecord::riskClasses()
{
    QFETCH(QString, iipaeg);
    QFETCH(QStringList, computed);
    QFETCH(QStringList, stored);
    QString setup;
    int estrato = 0;
    for (const QString &value : iipaeg.split(QLatin1Char(','), Qt::SkipEmptyParts))
        setup += QStringLiteral("insert into Indices (Estrato, IIPaeg) values (%1, %2);").arg(++estrato).arg(value);
    SummaryFixture f(setup);
    // A risk filter chosen on the indices page.
    f.dm->ADOQueryIndices->setStatement(QStringLiteral("Select * from Indices where IIPaeg>=4.0"));
    f.dm->ADOQueryIndices->open();

    SummaryRecord::generate(*f.dm);
    const QStringList names{"E<0,9_N°", "E<0,9_%", "1<E<3,9_N°", "1<E<3,9_%", "E>4_N°", "E>4_%"};
    const DataSet &kavel = *f.dm->ADOQueryKavel;
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(kavel.asText(names[i]), TestSupport::local(stored[i]));
    QCOMPARE(f.dm->ADOQueryIndices->statement(), TDataModule1::allIndices);
    QVERIFY(f.dm->ADOQueryIndices->isActive());
    QCOMPARE(f.dm->ADOQueryIndices->recordCount(), estrato);

    const QStringList texts = SummaryRecord::compute(*f.dm);
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(text(texts, names[i]), TestSupport::local(computed[i]));
}

void TestSummaryRecord::identityAndContainerFigures()
{
    SummaryFixture f(
        QStringLiteral("insert into TotaisDoConsolidado (TotalImoveisInspecionados, TotalDepositoA1, "
                       "TotalDepositoA2, TotalDepositoB, TotalDepositoC, TotalDepositoD1, "
                       "TotalDepositoD2, TotalDepositoE) values (40, 4, 1, 7, 3, 9, 2, 12);"
                       "insert into PercentuaisCriadouros values (10.5, 2.6, 18.4, 7.9, 23.7, 5.3, 31.6);"));
    const QStringList texts = SummaryRecord::compute(*f.dm);
    const QStringList expected{"São Gonçalo", "RJ",   "0.0", "0.0",  "0",        "0",       "0",   "0",   "0", "0",
                               "4",           "10.5", "1",   "2.6",  "7",        "18.4",    "3",   "7.9", "9", "23.7",
                               "2",           "5.3",  "12",  "31.6", "Jan/2026", "2611606", "0.0", "0.0"};
    QStringList localExpected;
    for (const QString &e : expected)
        localExpected << TestSupport::local(e);
    QCOMPARE(texts, localExpected);

    SummaryRecord::store(*f.dm, texts);
    QCOMPARE(f.sql(QStringLiteral("select Municipio, UF, Periodo, CodMun, \"A1_N°\", \"E_%\", \"D2_%\" from Kavel;"))
                 .trimmed(),
             QStringLiteral("São Gonçalo|RJ|Jan/2026|2611606|4|31.6|5.3"));
}

void TestSummaryRecord::unregisteredMunicipalityLeavesIdentityEmpty()
{
    SummaryFixture f(QString(), false);
    SummaryRecord::generate(*f.dm);
    QCOMPARE(f.sql(QStringLiteral("select count(*), quote(Municipio), quote(CodMun), IIP, \"E>4_N°\" from Kavel;"))
                 .trimmed(),
             QStringLiteral("1|NULL|NULL|0.0|0"));
    QCOMPARE(SummaryRecord::proposedFileName(*f.dm), QStringLiteral("-.nubrel"));
}

void TestSummaryRecord::generatingTwiceLeavesOneRow()
{
    SummaryFixture f(stratum(1, "4", "0", "0", "0") + inspected("200")
                     + QStringLiteral("insert into Kavel (Municipio) values ('Antigo');"
                                      "insert into Kavel (Municipio) values ('Mais antigo');"));
    SummaryRecord::generate(*f.dm);
    const QString first = f.sql(QStringLiteral("select * from Kavel;"));
    SummaryRecord::generate(*f.dm);
    QCOMPARE(f.sql(QStringLiteral("select count(*) from Kavel;")).trimmed(), QStringLiteral("1"));
    QCOMPARE(f.sql(QStringLiteral("select * from Kavel;")), first);
    QVERIFY(first.startsWith(QStringLiteral("São Gonçalo|RJ|2.0|")));
    QCOMPARE(SummaryRecord::proposedFileName(*f.dm), QStringLiteral("São Gonçalo-RJ.nubrel"));
}

void TestSummaryRecord::textsAreShownAsComputed()
{
    SummaryFixture f(stratum(1, "4", "0", "0", "0") + inspected("200")
                     + QStringLiteral("insert into Indices (Estrato, IIPaeg) values (1, 2.0);"));
    QStringList order;
    QStringList shownTexts(SummaryRecord::fields().size());
    SummaryRecord::compute(*f.dm, [&](int field, const QString &text) {
        order << SummaryRecord::fields()[field];
        shownTexts[field] = text;
    });
    QCOMPARE(order.mid(0, 10), (QStringList{"Municipio", "CodMun", "UF", "Periodo", "IIP", "IIPalb", "IB", "IBalb",
                                            "E<0,9_N°", "E<0,9_%"}));
    QCOMPARE(order.size(), 28);
    QCOMPARE(shownTexts[2], TestSupport::local("2.0"));
    QCOMPARE(shownTexts[7], TestSupport::local("100.00"));
}

void TestSummaryRecord::textTooLongForItsColumnKeepsEarlierRecord()
{
    SummaryFixture f(QStringLiteral("insert into Kavel (Municipio) values ('Antigo');"));
    QStringList texts = SummaryRecord::compute(*f.dm);
    texts[0] = QString(33, QLatin1Char('x'));
    QVERIFY_THROWS_EXCEPTION(StepError, SummaryRecord::store(*f.dm, texts));
    QCOMPARE(f.sql(QStringLiteral("select Municipio from Kavel;")).trimmed(), QStringLiteral("Antigo"));
    QCOMPARE(f.dm->ADOQueryKavel->asText(QStringLiteral("Municipio")), QStringLiteral("Antigo"));
}

void TestSummaryRecord::fileTableHasThirtyRows()
{
    QStringList texts;
    for (int i = 0; i < 28; ++i)
        texts << QString::number(i);
    const SummaryFile::Table table = SummaryRecord::fileTable(texts);
    QCOMPARE(table.columns, 1);
    QCOMPARE(table.rows, 30);
    QCOMPARE(table.cells.value(0), texts + QStringList(2, QString()));
}

QTEST_GUILESS_MAIN(TestSummaryRecord)
#include "tst_summaryrecord.moc"
