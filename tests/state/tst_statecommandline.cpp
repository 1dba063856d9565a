#include "tests/state/StateFixture.h"
#include "tests/state/XlsxSheet.h"

#include <QDir>
#include <QProcess>
#include <QTest>

#include <csignal>
#include <unistd.h>

namespace {

const QString program = QStringLiteral(NUBREL_BIN_DIR "/Nubrel2012Estados");

struct Run
{
    int code = -1;
    QString out;
    QString err;
};

Run state(const QString &folder, const QStringList &arguments)
{
    Run r;
    r.code = TestSupport::run(program, arguments, folder, &r.out, &r.err);
    return r;
}

QStringList withRow(QStringList rows, int row, const QString &text)
{
    rows[row] = text;
    return rows;
}

// RFC 4180 records: fields split on commas outside quotes, lines on CR LF.
QVector<QStringList> parseCsv(const QString &text)
{
    QVector<QStringList> records;
    QStringList fields;
    QString field;
    bool quoted = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < text.size() && text[i + 1] == QLatin1Char('"'))
                field += c, ++i;
            else if (c == QLatin1Char('"'))
                quoted = false;
            else
                field += c;
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            fields << field;
            field.clear();
        } else if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) {
            fields << field;
            records << fields;
            fields.clear();
            field.clear();
            ++i;
        } else {
            field += c;
        }
    }
    return records;
}

} // namespace

// The state module's subcommands, run as a separate process.
class TestStateCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void importsGoodAndReportsBadFiles();
    void simulationStoresNothing();
    void listsTheResultAsCsv();
    void exportsTheWorkbookAndTheReport();
    void missingDatabaseOrBadUsage();
    void killedImportStoresAllOrNothing();
};

void TestStateCommandLine::importsGoodAndReportsBadFiles()
{
    StateFolder f;
    const QDir dir(f.folder.path());
    QVERIFY(dir.mkdir(QStringLiteral("recebidos")));
    const QString in = f.folder.file(QStringLiteral("recebidos"));
    const QString foreignDecimal = TestSupport::foreign(QStringLiteral("1.5"));
    writeFile(in + QStringLiteral("/b Niterói-RJ.nubrel"),
              summaryBytes(withRow(summaryRecord(), 0, QStringLiteral("Niterói"))));
    writeFile(in + QStringLiteral("/a vazio.nubrel"), QByteArray());
    writeFile(in + QStringLiteral("/c ruim.nubrel"), summaryBytes(withRow(summaryRecord(), 2, foreignDecimal)));
    writeFile(in + QStringLiteral("/d figura.nubrel"), QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    writeFile(in + QStringLiteral("/e enorme.nubrel"),
              summaryBytes(withRow(summaryRecord(), 0, QStringLiteral("Enorme")), "1\r\n2000000000\r\n"));
    writeFile(in + QStringLiteral("/ignorado.txt"), summaryBytes(summaryRecord()));
    const QString single = writeFile(f.folder.file(QStringLiteral("São João del-Rei-MG.nubrel")),
                                     summaryBytes(withRow(summaryRecord(), 0, QStringLiteral("São João del-Rei"))));

    // A file that cannot be opened (a link to nothing; root reads any file).
    const QString broken = f.folder.file(QStringLiteral("quebrado.nubrel"));
    QVERIFY(QFile::link(f.folder.file(QStringLiteral("sumiu")), broken));

    const Run r = state(f.folder.path(), {QStringLiteral("importar"), QStringLiteral("recebidos"), single, broken});
    QCOMPARE(r.code, 1);
    const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 8);
    QVERIFY2(lines[0].startsWith(QStringLiteral("recebidos/a vazio.nubrel: ")) && lines[0].contains("nenhum registro"),
             qPrintable(lines[0]));
    QCOMPARE(lines[1], QStringLiteral("recebidos/b Niterói-RJ.nubrel: importado"));
    QCOMPARE(lines[2], QStringLiteral("recebidos/c ruim.nubrel: '%1' is not a valid floating point value for field "
                                      "'IIP'")
                           .arg(foreignDecimal));
    QCOMPARE(lines[3], QStringLiteral("recebidos/d figura.nubrel: Invalid numeric input"));
    QCOMPARE(lines[4], QStringLiteral("recebidos/e enorme.nubrel: importado"));
    QCOMPARE(lines[5], single + QStringLiteral(": importado"));
    QVERIFY2(lines[6].startsWith(broken + QStringLiteral(": Erro de E/S")), qPrintable(lines[6]));
    QCOMPARE(lines[7], QStringLiteral("3 importados, 4 recusados"));
    QCOMPARE(f.sql(QStringLiteral("select group_concat(Municipio, ',') from Kavel")),
             QStringLiteral("Niterói,Enorme,São João del-Rei"));
    QCOMPARE(f.sql(QStringLiteral("select * from Kavel where rowid = 1")),
             QString(storedSummaryRecord()).replace(QStringLiteral("Rio de Janeiro"), QStringLiteral("Niterói")));

    // A file nobody may read is refused on its own line.
    if (::geteuid() != 0) {
        const QString locked =
            writeFile(f.folder.file(QStringLiteral("trancado.nubrel")), summaryBytes(summaryRecord()));
        QFile::setPermissions(locked, QFileDevice::WriteOwner);
        const Run l = state(f.folder.path(), {QStringLiteral("importar"), locked, single});
        QCOMPARE(l.code, 1);
        QVERIFY(l.out.contains(QStringLiteral("trancado.nubrel: Erro de E/S")));
        QVERIFY(l.out.contains(QStringLiteral("1 importados, 1 recusados")));
    }
}

void TestStateCommandLine::simulationStoresNothing()
{
    StateFolder f;
    const QString good = writeFile(f.folder.file(QStringLiteral("a.nubrel")), summaryBytes(summaryRecord()));
    const Run r = state(f.folder.path(), {QStringLiteral("importar"), QStringLiteral("--simular"), good});
    QCOMPARE(r.code, 0);
    QVERIFY2(r.out.endsWith(QStringLiteral("a.nubrel: importado\n1 importáveis, 0 recusados\n")), qPrintable(r.out));
    QCOMPARE(f.sql(QStringLiteral("select count(*) from Kavel")), QStringLiteral("0"));
    const Run again = state(f.folder.path(), {QStringLiteral("importar"), good});
    QCOMPARE(again.code, 0);
    QCOMPARE(f.sql(QStringLiteral("select count(*) from Kavel")), QStringLiteral("1"));
}

void TestStateCommandLine::listsTheResultAsCsv()
{
    StateFolder f;
    f.addRows({QStringLiteral("0.5"), QStringLiteral("4"), QString()});
    f.sql(QStringLiteral("update Kavel set Municipio = 'Vila \"Nova\", Sul' where rowid = 2"));
    const Run all = state(f.folder.path(), {QStringLiteral("listar")});
    QCOMPARE(all.code, 0);
    const QVector<QStringList> rows = parseCsv(all.out);
    QCOMPARE(rows.size(), 4);
    QCOMPARE(rows[0].size(), 28);
    QCOMPARE(rows[0][4], QStringLiteral("E<0,9_N°"));
    QCOMPARE(rows[1][2], QStringLiteral("0.5"));
    QCOMPARE(rows[1][3], QStringLiteral("0.25"));
    QCOMPARE(rows[2][0], QStringLiteral("Vila \"Nova\", Sul"));
    QCOMPARE(rows[3][2], QString()); // an empty IIP

    const Run high = state(f.folder.path(), {QStringLiteral("listar"), QStringLiteral("--classe"), "IIP>=4"});
    QCOMPARE(high.code, 0);
    QCOMPARE(parseCsv(high.out).size(), 2);
    QCOMPARE(parseCsv(high.out)[1][2], QStringLiteral("4"));

    const Run query = state(f.folder.path(), {QStringLiteral("listar"), QStringLiteral("--sql"),
                                              QStringLiteral("select UF, count(*) as n from Kavel group by UF")});
    QCOMPARE(query.code, 0);
    QCOMPARE(parseCsv(query.out), (QVector<QStringList>{{"UF", "n"}, {"RJ", "3"}}));

    const Run bad = state(f.folder.path(), {QStringLiteral("listar"), QStringLiteral("--sql"), "select * from Nada"});
    QCOMPARE(bad.code, 1);
    QVERIFY2(bad.err.contains(QStringLiteral("no such table")), qPrintable(bad.err));
    const Run badClass = state(f.folder.path(), {QStringLiteral("listar"), QStringLiteral("--classe"), "Alto"});
    QCOMPARE(badClass.code, 2);
}

void TestStateCommandLine::exportsTheWorkbookAndTheReport()
{
    StateFolder f;
    f.addRows({QStringLiteral("0.5"), QStringLiteral("4"), QStringLiteral("6")});
    const Run r = state(f.folder.path(), {QStringLiteral("exportar"), QStringLiteral("alto.xlsx"),
                                          QStringLiteral("--classe"), "IIP>=4"});
    QCOMPARE(r.code, 0);
    const QString xlsx = f.folder.file(QStringLiteral("alto.xlsx"));
    {
        const XlsxSheet sheet(xlsx);
        QCOMPARE(sheet.cells.value(QStringLiteral("B13")).text, QStringLiteral("M2"));
        QCOMPARE(sheet.cells.value(QStringLiteral("E14")).text, QStringLiteral("6"));
        QVERIFY(!sheet.cells.contains(QStringLiteral("B15")));
    }
    // An existing workbook stays unless replacing is asked for.
    const Run again = state(f.folder.path(), {QStringLiteral("exportar"), QStringLiteral("alto.xlsx")});
    QCOMPARE(again.code, 1);
    QVERIFY(again.err.contains(QStringLiteral("--substituir")));
    QVERIFY(!XlsxSheet(xlsx).cells.contains(QStringLiteral("B15")));
    QCOMPARE(state(f.folder.path(), {"exportar", "alto.xlsx", "--substituir"}).code, 0);
    QCOMPARE(XlsxSheet(xlsx).cells.value(QStringLiteral("B15")).text, QStringLiteral("M3"));
    const Run missing = state(f.folder.path(), {"exportar", "x.xlsx", "--sql", "select Municipio from Kavel"});
    QCOMPARE(missing.code, 1);
    QCOMPARE(missing.err.trimmed(), QStringLiteral("Field 'CodMun' not found"));
    QVERIFY(!QFile::exists(f.folder.file(QStringLiteral("x.xlsx"))));

    const Run pdf = state(f.folder.path(), {"relatorio", "r.pdf", "--sql", "select * from Kavel where IIP < 1"});
    QCOMPARE(pdf.code, 0);
    const QString text = TestSupport::pdfText(f.folder.file(QStringLiteral("r.pdf")));
    QVERIFY(text.contains(QStringLiteral("Módulo do Estado")));
    QVERIFY(text.contains(QStringLiteral("M1")) && !text.contains(QStringLiteral("M2")));
}

void TestStateCommandLine::missingDatabaseOrBadUsage()
{
    TestSupport::WorkFolder folder;
    const QString good = writeFile(folder.file(QStringLiteral("a.nubrel")), summaryBytes(summaryRecord()));
    for (const QStringList &args : {QStringList{"importar", good}, QStringList{"listar"}}) {
        const Run r = state(folder.path(), args);
        QCOMPARE(r.code, 2);
        QVERIFY2(r.err.contains(QStringLiteral("não foi encontrado")), qPrintable(r.err));
    }
    QVERIFY(!QFile::exists(folder.file(QStringLiteral("Nubrel2012Estados.db"))));
    QCOMPARE(state(folder.path(), {"importar"}).code, 2);
    QCOMPARE(state(folder.path(), {"importar", "--depressa", good}).code, 2);
    // A mistyped command is refused with the usage, not taken for a start of the window.
    const Run typo = state(folder.path(), {"listr"});
    QCOMPARE(typo.code, 2);
    QVERIFY2(typo.err.startsWith(QStringLiteral("Comando desconhecido: listr\n")), qPrintable(typo.err));
    QVERIFY(typo.err.contains(QStringLiteral("Uso: Nubrel2012Estados")));
    const Run help = state(folder.path(), {"--help"});
    QCOMPARE(help.code, 0);
    for (const char *command : {"importar", "listar", "exportar", "relatorio"})
        QVERIFY(help.out.contains(QString::fromLatin1(command)));
}

void TestStateCommandLine::killedImportStoresAllOrNothing()
{
    StateFolder f;
    QVERIFY(QDir(f.folder.path()).mkdir(QStringLiteral("muitos")));
    const int files = 3000;
    const QByteArray bytes = summaryBytes(summaryRecord());
    for (int i = 0; i < files; ++i)
        writeFile(f.folder.file(QStringLiteral("muitos/%1.nubrel").arg(i, 5, 10, QLatin1Char('0'))), bytes);
    f.addRows({QStringLiteral("1")});
    int killed = 0;
    for (const int delay : {20, 60, 150}) {
        QProcess process;
        process.setWorkingDirectory(f.folder.path());
        process.start(program, {QStringLiteral("importar"), QStringLiteral("muitos")});
        QVERIFY(process.waitForStarted());
        QTest::qWait(delay);
        // Only a running child: a finished one has no id, and kill(0) would
        // reach this whole process group.
        const qint64 pid = process.processId();
        if (process.state() == QProcess::Running && pid > 0)
            ::kill(pid_t(pid), SIGKILL);
        process.waitForFinished();
        killed += process.exitStatus() == QProcess::CrashExit ? 1 : 0;
        const int rows = f.sql(QStringLiteral("select count(*) from Kavel")).toInt();
        QVERIFY2(rows == 1 || rows == 1 + files, qPrintable(QString::number(rows)));
        f.sql(QStringLiteral("delete from Kavel where rowid > 1"));
    }
    QVERIFY(killed > 0); // at least one import was cut short
}

QTEST_GUILESS_MAIN(TestStateCommandLine)
#include "tst_statecommandline.moc"
