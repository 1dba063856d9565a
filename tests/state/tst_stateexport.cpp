#include "common/DataSet.h"
#include "common/StepError.h"
#include "common/report/ReportPainting.h"
#include "state/Classification.h"
#include "state/KavelReport.h"
#include "state/StateData.h"
#include "state/StateWorkbook.h"
#include "tests/state/StateFixture.h"
#include "tests/state/XlsxSheet.h"

#include <QPdfWriter>
#include <QTest>

// The consolidated workbook read back from its XML, and the printed table
// read back with pdftotext.
class TestStateExport : public QObject
{
    Q_OBJECT

private slots:
    void workbookHoldsTheRowsFromRow13();
    void fileNameComesFromTheLastRow();
    void exportRefusesClosedOrIncompleteResults_data();
    void exportRefusesClosedOrIncompleteResults();
    void reportFlowsOverPagesWithTheHeader();
};

void TestStateExport::workbookHoldsTheRowsFromRow13()
{
    StateFolder state;
    state.addRows({QStringLiteral("0.5"), QString(), QStringLiteral("4")});
    state.sql(QStringLiteral("update Kavel set Periodo = NULL where Municipio = 'M2'"));
    StateData data;
    const QString path = state.folder.file(QStringLiteral("t.xlsx"));
    StateWorkbook::write(*data.ADOQueryKavel, path, QDate(2012, 5, 31));
    const XlsxSheet sheet(path);

    // Our heading rows: title, state, date, the two heading rows.
    QCOMPARE(sheet.cells.value(QStringLiteral("A1")).text, QStringLiteral("Nubrel Versão 1.2 - Módulo do Estado"));
    QCOMPARE(sheet.cells.value(QStringLiteral("B4")).text, QStringLiteral("RJ"));
    QCOMPARE(sheet.cells.value(QStringLiteral("B5")).text, QStringLiteral("31/05/2012"));
    QCOMPARE(sheet.cells.value(QStringLiteral("A11")).text, QStringLiteral("Código"));
    QCOMPARE(sheet.cells.value(QStringLiteral("M11")).text, QStringLiteral("Criadouros de Aedes aegypti"));
    QCOMPARE(sheet.cells.value(QStringLiteral("M12")).text, QStringLiteral("A1 N°"));
    QCOMPARE(sheet.cells.value(QStringLiteral("AB12")).text, QStringLiteral("IB"));

    // Rows 13 to 15, code, name, UF and period first.
    for (int i = 0; i < 3; ++i) {
        const QString row = QString::number(13 + i);
        const auto cell = [&](const QString &column) { return sheet.cells.value(column + row); };
        QCOMPARE(cell(QStringLiteral("A")).type, QStringLiteral("s"));
        QCOMPARE(cell(QStringLiteral("A")).text, QString::number(3300001 + i));
        QCOMPARE(cell(QStringLiteral("B")).text, QStringLiteral("M%1").arg(i + 1));
        QCOMPARE(cell(QStringLiteral("C")).text, QStringLiteral("RJ"));
        QCOMPARE(cell(QStringLiteral("F")).type, QStringLiteral("n"));
        QCOMPARE(cell(QStringLiteral("F")).text, QString::number(i + 0.25));
        QCOMPARE(cell(QStringLiteral("M")).text, QString::number(i + 1));   // A1_N°
        QCOMPARE(cell(QStringLiteral("N")).text, QString::number(i + 1.5)); // A1_%
        for (int column = 5; column <= 28; ++column)
            QCOMPARE(sheet.cells.value(XlsxSheet::column(column) + row).type, QStringLiteral("n"));
    }
    QCOMPARE(sheet.cells.value(QStringLiteral("D13")).text, QStringLiteral("Jan/2012"));
    QCOMPARE(sheet.cells.value(QStringLiteral("E13")).text, QStringLiteral("0.5"));
    // An empty IIP is 0, an empty period no number at all.
    QCOMPARE(sheet.cells.value(QStringLiteral("E14")).text, QStringLiteral("0"));
    QVERIFY(!sheet.cells.contains(QStringLiteral("D14")) || sheet.cells.value(QStringLiteral("D14")).type != "n");
    QCOMPARE(sheet.cells.value(QStringLiteral("E15")).text, QStringLiteral("4"));
    QCOMPARE(sheet.cells.value(QStringLiteral("H15")).text, QStringLiteral("0")); // E<0,9_% is empty
    QVERIFY(!sheet.cells.contains(QStringLiteral("A16")));
}

void TestStateExport::fileNameComesFromTheLastRow()
{
    StateFolder state;
    state.addRows({QStringLiteral("5"), QStringLiteral("1"), QStringLiteral("6")});
    StateData data;
    DataSet &kavel = *data.ADOQueryKavel;
    QCOMPARE(StateWorkbook::fileName(kavel), QStringLiteral("M3-RJ-Consolidado Estados.xlsx"));
    Classification::classify(kavel, QStringLiteral("1<=IIP<=3,9"));
    QCOMPARE(StateWorkbook::fileName(kavel), QStringLiteral("M2-RJ-Consolidado Estados.xlsx"));
    Classification::classify(kavel, QStringLiteral("IIP<=0,9"));
    QCOMPARE(StateWorkbook::fileName(kavel), QStringLiteral("--Consolidado Estados.xlsx"));
}

void TestStateExport::exportRefusesClosedOrIncompleteResults_data()
{
    QTest::addColumn<QString>("statement"); // empty: a rejected statement closed the result
    QTest::addColumn<QString>("message");
    QTest::newRow("closed") << ""
                            << "Cannot perform this operation on a closed dataset";
    QTest::newRow("missing column") << "select Municipio, UF, Periodo from Kavel"
                                    << "Field 'CodMun' not found";
}

void TestStateExport::exportRefusesClosedOrIncompleteResults()
{
    QFETCH(QString, statement);
    QFETCH(QString, message);
    StateFolder state;
    state.addRows({QStringLiteral("1")});
    StateData data;
    DataSet &kavel = *data.ADOQueryKavel;
    if (statement.isEmpty())
        QVERIFY_THROWS_EXCEPTION(StepError, Classification::runQuery(kavel, data.ADOConnection1, "selec"));
    else
        Classification::runQuery(kavel, data.ADOConnection1, statement);
    const QString path = state.folder.file(QStringLiteral("t.xlsx"));
    try {
        StateWorkbook::write(kavel, path);
        QFAIL("exported");
    } catch (const StepError &e) {
        QCOMPARE(e.message(), message);
    }
    QVERIFY(!QFile::exists(path));
}

void TestStateExport::reportFlowsOverPagesWithTheHeader()
{
    StateFolder state;
    state.addRows(QStringList(20, QStringLiteral("2.5")), QStringLiteral("RJ"));
    state.addRows(QStringList(20, QStringLiteral("4.5")), QStringLiteral("SP"));
    state.sql(QStringLiteral("update Kavel set Municipio = 'São Gonçalo ' || rowid, \"E>4_%\" = 12.5"));
    StateData data;
    KavelReport report(*data.ADOQueryKavel);
    const QString path = state.folder.file(QStringLiteral("r.pdf"));
    int pages = 0;
    {
        QPdfWriter writer(path);
        writer.setResolution(300);
        pages = ReportPainting::paint(report, writer, {});
        QCOMPARE(writer.pageLayout().pageSize().id(), QPageSize::Letter);
        QCOMPARE(writer.pageLayout().orientation(), QPageLayout::Landscape);
    }
    QCOMPARE(pages, 3); // 15 bands of 0.3 in under a 2.5 in header in 7.2 in
    const QStringList text = TestSupport::pdfText(path).split(QLatin1Char('\f'));
    for (int page = 0; page < pages; ++page) {
        const QString &t = text[page];
        for (const char *heading : {"Nubrel 1.2", "Módulo do Estado", "Município", "Período", "Índices", "Criadouros",
                                    "IIP<=0,9", "1<=IIP<=3,9", "IIP>=4", "aeg", "alb", "D2"})
            QVERIFY2(t.contains(QString::fromUtf8(heading)), heading);
        QVERIFY(t.contains(QStringLiteral("Classificação")));
    }
    // The UF of the row each page starts with: rows 1, 16 and 31.
    QVERIFY(text[0].contains(QStringLiteral("RJ")) && !text[0].contains(QStringLiteral("SP")));
    QVERIFY(text[1].contains(QStringLiteral("RJ")) && !text[1].contains(QStringLiteral("SP")));
    QVERIFY(text[2].contains(QStringLiteral("SP")));
    QVERIFY(text[0].contains(QStringLiteral("São Gonçalo 1 ")) && text[0].contains(QStringLiteral("São Gonçalo 15")));
    QVERIFY(!text[0].contains(QStringLiteral("São Gonçalo 16")));
    QVERIFY(text[1].contains(QStringLiteral("São Gonçalo 16")));
    QVERIFY(text[2].contains(QStringLiteral("São Gonçalo 40")));
    QVERIFY(text[0].contains(TestSupport::local(QStringLiteral("12.5"))));
    QVERIFY(text[0].contains(QStringLiteral("Jan/2012")));
}

QTEST_MAIN(TestStateExport)
#include "tst_stateexport.moc"
