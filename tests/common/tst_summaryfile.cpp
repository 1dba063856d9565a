#include "common/StepError.h"
#include "common/SummaryFile.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

SummaryFile::Table oneColumn(const QStringList &rows)
{
    SummaryFile::Table table;
    table.columns = 1;
    table.rows = rows.size();
    table.cells = {rows};
    return table;
}

// A summary record as the summary window shows it, rows 28 and 29 empty.
QStringList fullRecord()
{
    return {"Rio de Janeiro",
            "RJ",
            "2,5",
            "3,1",
            "2",
            "66,67",
            "1",
            "33,33",
            "0",
            "0",
            "4",
            "10,5",
            "1",
            "2,6",
            "7",
            "18,4",
            "3",
            "7,9",
            "9",
            "23,7",
            "2",
            "5,3",
            "12",
            "31,6",
            "Jan/2012",
            "3304557",
            "1,2",
            "1,5",
            "",
            ""};
}

const QByteArray fullRecordBytes = "1\r\n30\r\nRio de Janeiro\r\nRJ\r\n2,5\r\n3,1\r\n2\r\n66,67\r\n1\r\n33,33\r\n"
                                   "0\r\n0\r\n4\r\n10,5\r\n1\r\n2,6\r\n7\r\n18,4\r\n3\r\n7,9\r\n9\r\n23,7\r\n2\r\n"
                                   "5,3\r\n12\r\n31,6\r\nJan/2012\r\n3304557\r\n1,2\r\n1,5\r\n\r\n\r\n";

// "column:row:text" for each expected cell.
QStringList heldCells(const SummaryFile::Table &table)
{
    QStringList cells;
    for (int column = 0; column < table.cells.size(); ++column) {
        for (int row = 0; row < table.cells[column].size(); ++row)
            cells << QStringLiteral("%1:%2:%3").arg(column).arg(row).arg(table.cells[column][row]);
    }
    return cells;
}

} // namespace

class TestSummaryFile : public QObject
{
    Q_OBJECT

private slots:
    void writesBytes_data();
    void writesBytes();
    void countsWithoutCellsWriteOnlyTheCounts();
    void failedWriteKeepsEarlierFile();
    void missingFileIsAnError();
    void reads_data();
    void reads();
    void everyMunicipalityNameRoundTrips();
};

void TestSummaryFile::writesBytes_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("full record: 32 lines, three CR LF after IBalb") << fullRecord() << fullRecordBytes;
    QStringList withEmpty = fullRecord();
    withEmpty[3] = QString();
    QByteArray withEmptyBytes = fullRecordBytes;
    withEmptyBytes.replace("2,5\r\n3,1\r\n", "2,5\r\n\r\n");
    QTest::newRow("empty field gives an empty line") << withEmpty << withEmptyBytes;
    QTest::newRow("accents as single bytes") << QStringList{"São Gonçalo", "RJ"}
                                             << QByteArray("1\r\n2\r\nS\xE3o Gon\xE7"
                                                           "alo\r\nRJ\r\n");
    QTest::newRow("outside the code page gives ?") << QStringList{QString::fromUtf8("Łódź €"), QString::fromUtf8("a😀b")}
                                                   << QByteArray("1\r\n2\r\n?\xF3"
                                                                 "d? \x80\r\na?b\r\n");
    QTest::newRow("line breaks inside a cell stay on its line") << QStringList{"a\r\nb", QString("c\x1A"
                                                                                                 "d")}
                                                                << QByteArray("1\r\n2\r\na  b\r\nc d\r\n");
    QTest::newRow("no cells") << QStringList{} << QByteArray("1\r\n0\r\n");
}

void TestSummaryFile::writesBytes()
{
    QFETCH(QStringList, rows);
    QFETCH(QByteArray, expected);
    TestSupport::WorkFolder folder;
    const QString path = folder.file("Rio de Janeiro-RJ.nubrel");
    SummaryFile::write(path, oneColumn(rows));
    QCOMPARE(fileBytes(path), expected);
    // Writing again replaces the file whole.
    SummaryFile::write(path, oneColumn(rows));
    QCOMPARE(fileBytes(path), expected);
}

void TestSummaryFile::countsWithoutCellsWriteOnlyTheCounts()
{
    SummaryFile::Table table;
    table.columns = 2000000000;
    QCOMPARE(SummaryFile::serialize(table), QByteArray("2000000000\r\n0\r\n"));
}

void TestSummaryFile::failedWriteKeepsEarlierFile()
{
    TestSupport::WorkFolder folder;
    try {
        SummaryFile::write(folder.file("sem-pasta/Recife-PE.nubrel"), oneColumn(fullRecord()));
        QFAIL("a file in a missing folder was written");
    } catch (const StepError &error) {
        QVERIFY2(error.message().contains("sem-pasta/Recife-PE.nubrel"), qPrintable(error.message()));
    }
    QVERIFY(!QFile::exists(folder.file("sem-pasta/Recife-PE.nubrel")));

    // A folder in the file's place cannot be replaced; it stays as it was.
    QVERIFY(QDir(folder.path()).mkpath("Recife-PE.nubrel/dentro"));
    QVERIFY_THROWS_EXCEPTION(StepError, SummaryFile::write(folder.file("Recife-PE.nubrel"), oneColumn(fullRecord())));
    QVERIFY(QDir(folder.file("Recife-PE.nubrel/dentro")).exists());
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{"Recife-PE.nubrel"});
}

void TestSummaryFile::missingFileIsAnError()
{
    TestSupport::WorkFolder folder;
    try {
        SummaryFile::read(folder.file("Nada-XX.nubrel"));
        QFAIL("a missing file was read");
    } catch (const StepError &error) {
        QVERIFY2(error.message().contains("Nada-XX.nubrel"), qPrintable(error.message()));
    }
}

void TestSummaryFile::reads_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("cells"); // "column:row:text" of every cell held
    QTest::addColumn<QString>("error");

    QStringList record;
    for (int row = 0; row < 30; ++row)
        record << QStringLiteral("0:%1:%2").arg(row).arg(fullRecord()[row]);
    QTest::newRow("the writer's file") << fullRecordBytes << 1 << 30 << record << QString();
    QTest::newRow("LF alone") << QByteArray(fullRecordBytes).replace("\r\n", "\n") << 1 << 30 << record << QString();

    // Lines 1 to 10: the counts and rows 0 to 7.
    QByteArray cut = fullRecordBytes;
    qsizetype at = -1;
    for (int line = 0; line < 10; ++line)
        at = cut.indexOf('\n', at + 1);
    cut.truncate(at + 1);
    QTest::newRow("cut after line 10") << cut << 1 << 30 << record.mid(0, 8) << QString();

    QTest::newRow("Ctrl-Z ends the file") << QByteArray("1\r\n3\r\nab\x1A"
                                                        "cd\r\nef\r\n")
                                          << 1 << 3 << QStringList{"0:0:ab"} << QString();
    QTest::newRow("Ctrl-Z inside a count")
        << QByteArray("1\x1A\r\n3\r\nab\r\n") << 1 << 0 << QStringList{} << QString();
    QTest::newRow("letters in the column count")
        << QByteArray("1a\r\n30\r\nx\r\n") << 0 << 0 << QStringList{} << "Invalid numeric input";
    QTest::newRow("letters in the row count")
        << QByteArray("1\r\ntrinta\r\nx\r\n") << 0 << 0 << QStringList{} << "Invalid numeric input";
    QTest::newRow("negative count") << QByteArray("1\r\n-30\r\nx\r\n") << 0 << 0 << QStringList{}
                                    << "Invalid numeric input";
    QTest::newRow("count past 32 bits") << QByteArray("4294967297\r\n1\r\nx\r\n") << 0 << 0 << QStringList{}
                                        << "Invalid numeric input";
    QTest::newRow("count one past the largest")
        << QByteArray("1\r\n2147483648\r\nx\r\n") << 0 << 0 << QStringList{} << "Invalid numeric input";
    QTest::newRow("only a sign") << QByteArray("+\r\n1\r\n") << 0 << 0 << QStringList{} << "Invalid numeric input";
    QTest::newRow("empty file") << QByteArray() << 0 << 0 << QStringList{} << QString();
    QTest::newRow("huge counts hold only the file's lines")
        << QByteArray("2000000000\r\n2000000000\r\nx\r\ny\r\n") << 2000000000 << 2000000000
        << QStringList{"0:0:x", "0:1:y"} << QString();
    QTest::newRow("huge column count, one row per column")
        << QByteArray("2147483647\r\n1\r\nx\r\ny\r\n") << 2147483647 << 1 << QStringList{"0:0:x", "1:0:y"} << QString();
    QTest::newRow("huge column count, no rows")
        << QByteArray("2000000000\r\n0\r\nx\r\n") << 2000000000 << 0 << QStringList{} << QString();
    QTest::newRow("two columns, column by column") << QByteArray("2\r\n2\r\na\r\nb\r\nc\r\nd\r\ne\r\n") << 2 << 2
                                                   << QStringList{"0:0:a", "0:1:b", "1:0:c", "1:1:d"} << QString();
    QTest::newRow("counts past blanks, controls and line breaks; rest of line dropped")
        << QByteArray(" \t\x01\r\n  1  resto\r\n\r\n +2 x\r\nA\r\nB\r\n") << 1 << 2 << QStringList{"0:0:A", "0:1:B"}
        << QString();
    QTest::newRow("a count is at most 32 characters")
        << (QByteArray(32, '0') + "7\r\n1\r\nx\r\n") << 0 << 1 << QStringList{} << QString();
    QTest::newRow("CR alone stays in the cell")
        << QByteArray("1\r\n2\r\na\rb\r\nc\r") << 1 << 2 << QStringList{"0:0:a\rb", "0:1:c\r"} << QString();
    QTest::newRow("last line without its end")
        << QByteArray("1\r\n2\r\nx") << 1 << 2 << QStringList{"0:0:x"} << QString();
    QTest::newRow("Windows-1252 bytes") << QByteArray("1\r\n2\r\nS\xE3o Gon\xE7"
                                                      "alo\r\n\x80\x81\x9F\xFF\r\n")
                                        << 1 << 2 << QStringList{"0:0:São Gonçalo", QString::fromUtf8("0:1:€\u0081Ÿÿ")}
                                        << QString();
}

void TestSummaryFile::reads()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(QStringList, cells);
    QFETCH(QString, error);

    TestSupport::WorkFolder folder;
    const QString path = folder.file("lido.nubrel");
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    try {
        const SummaryFile::Table table = SummaryFile::read(path);
        QVERIFY2(error.isEmpty(), "the file was read without the expected error");
        QCOMPARE(table.columns, columns);
        QCOMPARE(table.rows, rows);
        QCOMPARE(heldCells(table), cells);
        // Cells the file does not hold read as empty texts.
        QCOMPARE(table.cell(0, cells.size() + 1), QString());
        QCOMPARE(table.cell(-1, 0), QString());
    } catch (const StepError &e) {
        QCOMPARE(e.message(), error);
    }
}

void TestSummaryFile::everyMunicipalityNameRoundTrips()
{
    QFile list(QStringLiteral(NUBREL_SOURCE_DIR "/data/municipios.tsv"));
    QVERIFY(list.open(QIODevice::ReadOnly | QIODevice::Text));
    QStringList names;
    while (!list.atEnd()) {
        const QString line = QString::fromUtf8(list.readLine()).chopped(1);
        if (!line.startsWith('#'))
            names << line.section('\t', 2);
    }
    QCOMPARE(names.size(), 5570);
    TestSupport::WorkFolder folder;
    const QString path = folder.file("todos.nubrel");
    SummaryFile::write(path, oneColumn(names));
    const SummaryFile::Table table = SummaryFile::read(path);
    QCOMPARE(table.rows, names.size());
    QCOMPARE(table.cells.value(0), names);
}

QTEST_GUILESS_MAIN(TestSummaryFile)
#include "tst_summaryfile.moc"
