#include "common/report/ReportEngine.h"
#include "municipal/reports/Report3.h"
#include "municipal/reports/Report4.h"
#include "municipal/results/RiskFilter.h"
#include "tests/municipal/ResultsFixture.h"
#include "tests/support/ReportAnswers.h"

#include <QRegularExpression>
#include <QTest>

// "Consolidação  de   dados" and "Índices" printed to PDF and read back with pdftotext.
class TestReport34 : public QObject
{
    Q_OBJECT

private slots:
    void consolidadoContinuesOnNewPages();
    void indicesContinueOnNewPages();
    void indicesListTheFilteredStrata_data();
    void indicesListTheFilteredStrata();

private:
    QStringList print(ResultsFixture &f, const QString &report);
};

QStringList TestReport34::print(ResultsFixture &f, const QString &report)
{
    ReportEngine engine(
        {QStringLiteral("Opções de saída"), QStringLiteral("Status do relatório"), QStringLiteral("Visualização")});
    engine.addReport(QStringLiteral("Report3"), [&] { return std::make_unique<Report3>(*f.dm->ADOTableConsolidado); });
    engine.addReport(QStringLiteral("Report4"), [&] { return std::make_unique<Report4>(*f.dm->ADOQueryIndices); });
    engine.setParam(QStringLiteral("Municipio"), QStringLiteral("Recife"));
    engine.setParam(QStringLiteral("UF"), QStringLiteral("PE"));
    engine.setParam(QStringLiteral("Periodo"), QStringLiteral("Jan/2026"));
    return TestSupport::printPdfPages(engine, report, f.folder.file(report + QStringLiteral(".pdf")));
}

void TestReport34::consolidadoContinuesOnNewPages()
{
    QString rows;
    for (int e = 1; e <= 40; ++e)
        rows += stratumSql(e, 300 + e,
                           QStringLiteral("ImoveisInspecionados=%1 ImoveisComAegTB=%2 ImoveisComAegOutros=%3 "
                                          "ImoveisComAlbTB=%4 ImoveisComAlbOutros=%5 DepositoAegA1=%6 DepositoAegE=%7 "
                                          "DepositoAegTotal=999 DepositoAlbTotal=888 Critica='OK'")
                               .arg(200 + e)
                               .arg(e % 7)
                               .arg(e % 5)
                               .arg(e % 3)
                               .arg(e % 2)
                               .arg(10 + e)
                               .arg(50 + e));
    ResultsFixture f(rows);
    const QStringList pages = print(f, QStringLiteral("Report3"));
    QVERIFY2(pages.size() >= 2, "forty strata do not fit on one landscape page");
    static const QRegularExpression header(
        QStringLiteral(R"(Kavel\s+-\s+Pelvane[\s\S]*Nubrel[\s\S]*Recife\s+PE\s+Jan/2026\s+Consolidação\s+de\s+dados\s+)"
                       R"(Imóveis\s+Ae.aegypti\s+Ae.albopictus\s+Criadouros de Ae. aegypti\s+)"
                       R"(Estrato\s+Prog.\s+Insp.\s+TB\s+Outros\s+TB\s+Outros\s+A1\s+A2\s+B\s+C\s+D1\s+D2\s+E\n)"));
    static const QRegularExpression footer(QStringLiteral(R"(Kavel\s+-\s+Pelvane\s+(\d+)\s*$)"));
    static const QRegularExpression line(QStringLiteral(R"(^ *(\d+) +(\d+) +(\d+) +(.*)$)"),
                                         QRegularExpression::MultilineOption);
    QStringList seen;
    for (int p = 0; p < pages.size(); ++p) {
        QVERIFY2(header.match(pages[p]).hasMatch(), qPrintable(pages[p].left(800)));
        const QRegularExpressionMatch m = footer.match(pages[p].trimmed());
        QVERIFY2(m.hasMatch(), qPrintable(pages[p].right(200)));
        QCOMPARE(m.captured(1).toInt(), p + 1);
        for (const QRegularExpressionMatch &row : line.globalMatch(pages[p]))
            if (row.captured(2).toInt() > 300)
                seen << row.captured(0).simplified();
    }
    QCOMPARE(seen.size(), 40);
    for (int e = 1; e <= 40; ++e)
        QCOMPARE(seen[e - 1], QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9")
                                  .arg(e)
                                  .arg(300 + e)
                                  .arg(200 + e)
                                  .arg(e % 7)
                                  .arg(e % 5)
                                  .arg(e % 3)
                                  .arg(e % 2)
                                  .arg(10 + e)
                                  .arg(50 + e));
    // The totals and the verdict are not printed.
    const QString all = pages.join(QLatin1Char('\n'));
    QVERIFY(!all.contains(QStringLiteral("999")));
    QVERIFY(!all.contains(QStringLiteral("888")));
    QVERIFY(!all.contains(QStringLiteral("OK")));
}

void TestReport34::indicesContinueOnNewPages()
{
    QString rows;
    for (int e = 1; e <= 45; ++e)
        rows += QStringLiteral("insert into Indices (Estrato, ImoveisProgramados, ImoveisInspecionados, IIPaeg) "
                               "values (%1, %2, %3, %4);")
                    .arg(e)
                    .arg(500 + e)
                    .arg(400 + e)
                    .arg(e % 10);
    ResultsFixture f(rows);
    const QStringList pages = print(f, QStringLiteral("Report4"));
    QVERIFY2(pages.size() >= 2, "forty-five strata do not fit on one landscape page");
    static const QRegularExpression header(QStringLiteral(
        R"(Kavel\s+-\s+Pelvane[\s\S]*Nubrel[\s\S]*Recife\s+PE\s+Jan/2026\s+Índices\s+Imóveis\s+Ae.aegypti \(%\)[\s\S]*)"
        R"(Estrato\s+Prog.\s+Insp.\s+TB\s+Outros\s+TB\s+Outros\s+%\s+de\s+Perda\s+aeg.\s+alb.\s+aeg.\s+alb.\s+A1\s+A2\s+B\s+C\s+D1\s+D2\s+E\n)"));
    static const QRegularExpression footer(QStringLiteral(R"(Kavel\s+-\s+Pelvane\s+(\d+)\s*$)"));
    static const QRegularExpression line(QStringLiteral(R"(^ *(\d+) +(\d+) +(\d+) +(\d+) *$)"),
                                         QRegularExpression::MultilineOption);
    QList<int> strataSeen;
    for (int p = 0; p < pages.size(); ++p) {
        QVERIFY2(header.match(pages[p]).hasMatch(), qPrintable(pages[p].left(800)));
        const QRegularExpressionMatch m = footer.match(pages[p].trimmed());
        QVERIFY2(m.hasMatch(), qPrintable(pages[p].right(200)));
        QCOMPARE(m.captured(1).toInt(), p + 1);
        for (const QRegularExpressionMatch &row : line.globalMatch(pages[p])) {
            const int e = row.captured(1).toInt();
            QCOMPARE(row.captured(2).toInt(), 500 + e);
            QCOMPARE(row.captured(3).toInt(), 400 + e);
            strataSeen << e;
        }
    }
    QList<int> all;
    for (int e = 1; e <= 45; ++e)
        all << e;
    QCOMPARE(strataSeen, all);
}

void TestReport34::indicesListTheFilteredStrata_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("all") << "Todos os registros"
                         << QStringList{"1 200 190 2.5 1.1 0 0 5 2.1 0 3 0 50 0 50 0 0 0 0",
                                        "2 100 100 10 0 1 0 0 12.5 1 140.5 1 16.7 16.7 0 0 0 33.3 33.3"};
    QTest::newRow("high risk") << "IIP >= 4%"
                               << QStringList{"2 100 100 10 0 1 0 0 12.5 1 140.5 1 16.7 16.7 0 0 0 33.3 33.3"};
    QTest::newRow("empty class") << "0% =< IIP <= 0,9%" << QStringList{};
}

void TestReport34::indicesListTheFilteredStrata()
{
    QFETCH(QString, item);
    QFETCH(QStringList, lines);
    ResultsFixture f(QStringLiteral("insert into Indices values (1, 200, 190, 2.5, 1.1, 0, 0, 5, 2.1, 0, 3, 0, 50, 0, "
                                    "50, 0, 0, 0, 0);"
                                    "insert into Indices values (2, 100, 100, 10, 0, 1, 0, 0, 12.5, 1, 140.5, 1, 16.7, "
                                    "16.7, 0, 0, 0, 33.3, 33.3);"));
    RiskFilter::choose(*f.dm->ADOQueryIndices, RiskFilter::Index::IIP, item);
    const QStringList pages = print(f, QStringLiteral("Report4"));
    QCOMPARE(pages.size(), 1);
    static const QRegularExpression header(QStringLiteral(
        R"(Recife\s+PE\s+Jan/2026\s+Índices\s+Imóveis\s+Ae.aegypti \(%\)\s+Ae.albopictus \(%\)\s+IIP \(%\)\s+IB \(%\)\s+)"
        R"(ITR \(Ae.aegypti \[%\]\)\s+Estrato\s+Prog.\s+Insp.\s+TB\s+Outros\s+TB\s+Outros\s+%\s+de\s+Perda\s+aeg.\s+alb.\s+)"
        R"(aeg.\s+alb.\s+A1\s+A2\s+B\s+C\s+D1\s+D2\s+E\n)"));
    QVERIFY2(header.match(pages[0]).hasMatch(), qPrintable(pages[0]));
    static const QRegularExpression line(QStringLiteral(R"(^ *\d+ +\d+ +\d+ .*$)"),
                                         QRegularExpression::MultilineOption);
    QStringList seen;
    for (const QRegularExpressionMatch &row : line.globalMatch(pages[0]))
        seen << row.captured(0).simplified();
    QStringList expected;
    for (const QString &l : lines)
        expected << QString(l).replace(QLatin1Char('.'), TestSupport::decimalPoint());
    QCOMPARE(seen, expected);
}

QTEST_MAIN(TestReport34)
#include "tst_report34.moc"
