#include "common/DocumentsFile.h"
#include "common/StepError.h"
#include "municipal/results/ChartFilters.h"
#include "municipal/results/IndicesExport.h"
#include "tests/municipal/IndicesFixture.h"
#include "tests/support/XlsxReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using TestSupport::XlsxCell;

namespace {

const IndicesWorkbook::Header saoJose{QStringLiteral("São José"), QStringLiteral("SC"), QStringLiteral("Jan/2026")};

// Every column of one stratum row, in the order of the nineteen columns.
QString fullStratum(int estrato, int prog, int insp, const QString &rest)
{
    return QStringLiteral("insert into Indices values (%1, %2, %3, %4);").arg(estrato).arg(prog).arg(insp).arg(rest);
}

QString threeStrata()
{
    return fullStratum(1, 220, 200,
                       QStringLiteral("1.5, 1, 0.5, 0, 9.1, 2.5, 0.5, 3, 0.5, "
                                      "16.7, 0, 50, 0, 0, 0, 33.3"))
           + fullStratum(2, 200, 210, QStringLiteral("2, 3, 0, 0, 0, 5, 0, 6.2, 0, 10, 10, 20, 20, 20, 10, 10"))
           + fullStratum(3, 50, 0, QStringLiteral("0, 0, 0, 0, 100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0"));
}

QString column(int c)
{
    return QString(QChar('A' + c - 1));
}

} // namespace

class TestIndicesExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // the documents folder is one of the test's own
        m_home = TestSupport::ownHome();
    }

    void init() { QDir(documents()).removeRecursively(); }

    void threeStrataBelowTheHeader()
    {
        IndicesFixture f(threeStrata());
        const QString path = IndicesExport::run(nullptr, f.indices(), saoJose);
        QCOMPARE(path, QDir(documents()).filePath(QStringLiteral("São José-SC.xlsx")));
        QVERIFY(QFileInfo::exists(path));

        // the message, then the desktop opens the saved file
        const auto shown = Dialogs::shown();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[0].kind, QStringLiteral("message"));
        QCOMPARE(shown[0].text, QStringLiteral("O arquivo sera salvo como São José-SC na pasta Meus Documentos"));
        QCOMPARE(shown[1].kind, QStringLiteral("desktop"));
        QCOMPARE(shown[1].text, path);

        const QMap<QString, XlsxCell> cells = TestSupport::xlsxCells(path);
        for (const auto &[ref, text] : {std::pair{"D6", "São José"}, {"D7", "SC"}, {"D8", "Jan/2026"}}) {
            QVERIFY2(cells.contains(QLatin1String(ref)), ref);
            QCOMPARE(cells[QLatin1String(ref)].type, QStringLiteral("s"));
            QCOMPARE(cells[QLatin1String(ref)].value, QString::fromUtf8(text));
        }
        const QList<QList<double>> expected{
            {1, 220, 200, 1.5, 1, 0.5, 0, 9.1, 2.5, 0.5, 3, 0.5, 16.7, 0, 50, 0, 0, 0, 33.3},
            {2, 200, 210, 2, 3, 0, 0, 0, 5, 0, 6.2, 0, 10, 10, 20, 20, 20, 10, 10},
            {3, 50, 0, 0, 0, 0, 0, 100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}};
        for (int k = 0; k < 3; ++k)
            for (int c = 1; c <= 19; ++c) {
                const QString ref = column(c) + QString::number(12 + k);
                QVERIFY2(cells.contains(ref), qPrintable(ref));
                QCOMPARE(cells[ref].type, QStringLiteral("n"));
                QCOMPARE(cells[ref].value.toDouble(), expected[k][c - 1]);
            }
        // nothing below the last stratum, no number above row 12 and no cell right of S
        for (const XlsxCell &cell : cells) {
            QVERIFY(cell.row <= 14);
            QVERIFY(cell.column <= 19);
            if (cell.row < 12)
                QCOMPARE(cell.type, QStringLiteral("s"));
        }
        // our own headings above row 12
        QCOMPARE(cells[QStringLiteral("C6")].value, QStringLiteral("Município :"));
        QCOMPARE(cells[QStringLiteral("A11")].value, QStringLiteral("Estrato"));
        QCOMPARE(cells[QStringLiteral("H11")].value, QStringLiteral("% de perda"));
        QCOMPARE(cells[QStringLiteral("S11")].value, QStringLiteral("E"));
        QCOMPARE(cells[QStringLiteral("M10")].value, QStringLiteral("ITR ( Ae.aegypti [%] )"));
        // left for the user: no temporary file beside it
        QCOMPARE(QDir(documents()).entryList(QDir::Files | QDir::Hidden), QStringList{"São José-SC.xlsx"});
    }

    void emptyFieldsAreZeroAndPercentagesHaveOneDecimal()
    {
        IndicesFixture f(QStringLiteral("insert into Indices (Estrato, ImoveisProgramados) values (7, 431);"));
        const QString path = IndicesExport::run(nullptr, f.indices(), saoJose);
        const QMap<QString, XlsxCell> cells = TestSupport::xlsxCells(path);
        QCOMPARE(cells[QStringLiteral("A12")].value, QStringLiteral("7"));
        QCOMPARE(cells[QStringLiteral("B12")].value, QStringLiteral("431"));
        for (int c = 3; c <= 19; ++c) {
            const QString ref = column(c) + QStringLiteral("12");
            QCOMPARE(cells[ref].type, QStringLiteral("n"));
            QCOMPARE(cells[ref].value, QStringLiteral("0"));
        }
        // the number formats: whole numbers in A to C, one decimal from D on
        QProcess unzip;
        unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), path, QStringLiteral("xl/styles.xml")});
        QVERIFY(unzip.waitForFinished());
        QVERIFY(QString::fromUtf8(unzip.readAllStandardOutput()).contains(QStringLiteral("formatCode=\"0.0\"")));
    }

    void filteredQueryExportsOnlyItsStrata()
    {
        IndicesFixture f(threeStrata());
        ChartFilters::apply(f.indices(), QStringLiteral("Select * from Indices where IIPaeg>=4"));
        const QString path = IndicesExport::run(nullptr, f.indices(), saoJose);
        const QMap<QString, XlsxCell> cells = TestSupport::xlsxCells(path);
        QCOMPARE(cells[QStringLiteral("A12")].value, QStringLiteral("2"));
        QCOMPARE(cells[QStringLiteral("I12")].value.toDouble(), 5.0);
        for (const XlsxCell &cell : cells)
            QVERIFY(cell.row <= 12);
    }

    void noStrataWritesOnlyTheHeaderCells()
    {
        IndicesFixture f;
        const QString path = IndicesExport::run(nullptr, f.indices(), saoJose);
        QVERIFY(QFileInfo::exists(path));
        const QMap<QString, XlsxCell> cells = TestSupport::xlsxCells(path);
        QCOMPARE(cells[QStringLiteral("D8")].value, QStringLiteral("Jan/2026"));
        for (const XlsxCell &cell : cells)
            QVERIFY(cell.row < 12);
        QCOMPARE(Dialogs::shown().last().kind, QStringLiteral("desktop"));
    }

    void existingWorkbookIsReplacedOnlyOnYes_data()
    {
        QTest::addColumn<bool>("replace");
        QTest::newRow("Sim") << true;
        QTest::newRow("Não") << false;
    }

    void existingWorkbookIsReplacedOnlyOnYes()
    {
        QFETCH(bool, replace);
        IndicesFixture f(threeStrata());
        QVERIFY(QDir().mkpath(documents()));
        const QString path = QDir(documents()).filePath(QStringLiteral("São José-SC.xlsx"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("the user's own workbook");
        old.close();

        Dialogs::answerNext(QVariant()); // the message
        Dialogs::answerNext(replace);
        const QString saved = IndicesExport::run(nullptr, f.indices(), saoJose);
        const auto shown = Dialogs::shown();
        QCOMPARE(shown[1].kind, QStringLiteral("question"));
        QVERIFY(shown[1].text.contains(path));
        QVERIFY(old.open(QIODevice::ReadOnly));
        const QByteArray bytes = old.readAll();
        if (replace) {
            QCOMPARE(saved, path);
            QVERIFY(bytes.startsWith("PK"));
            QCOMPARE(TestSupport::xlsxCells(path)[QStringLiteral("A14")].value, QStringLiteral("3"));
            QCOMPARE(shown.last().kind, QStringLiteral("desktop"));
        } else {
            QCOMPARE(saved, QString());
            QCOMPARE(bytes, QByteArray("the user's own workbook"));
            QCOMPARE(shown.size(), 2); // nothing opened
        }
        QCOMPARE(QDir(documents()).entryList(QDir::Files | QDir::Hidden), QStringList{"São José-SC.xlsx"});
    }

    // A folder holds the workbook's name: a clear message, nothing written beside it.
    void unwritableTargetFailsCleanly()
    {
        IndicesFixture f(threeStrata());
        const QString path = QDir(documents()).filePath(QStringLiteral("São José-SC.xlsx"));
        QVERIFY(QDir().mkpath(path));
        Dialogs::answerNext(QVariant()); // the message
        Dialogs::answerNext(true);
        try {
            IndicesExport::run(nullptr, f.indices(), saoJose);
            QFAIL("a folder cannot be replaced by a workbook");
        } catch (const StepError &e) {
            QVERIFY2(e.message().startsWith(QStringLiteral("Não foi possível gravar o arquivo '%1'").arg(path)),
                     qPrintable(e.message()));
        }
        QCOMPARE(QDir(documents()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"São José-SC.xlsx"});
        QVERIFY(QFileInfo(path).isDir());
        for (const Dialogs::Shown &s : Dialogs::shown())
            QVERIFY(s.kind != QLatin1String("desktop"));
    }

    // A name with a slash stays one file inside the documents folder.
    void fileNameCannotLeaveTheDocumentsFolder()
    {
        IndicesFixture f;
        const IndicesWorkbook::Header odd{QStringLiteral("../Outro/Lugar"), QStringLiteral("SC"), QString()};
        const QString path = IndicesExport::run(nullptr, f.indices(), odd);
        QCOMPARE(QFileInfo(path).absolutePath(), documents());
        QCOMPARE(QFileInfo(path).fileName(), QStringLiteral("_._Outro_Lugar-SC.xlsx"));
    }

    void desktopThatCannotOpenIsReported()
    {
        IndicesFixture f(threeStrata());
        Dialogs::answerNext(QVariant()); // the message
        Dialogs::answerNext(false);      // the desktop opens nothing
        QVERIFY_THROWS_EXCEPTION(StepError, IndicesExport::run(nullptr, f.indices(), saoJose));
        QVERIFY(QFileInfo::exists(QDir(documents()).filePath(QStringLiteral("São José-SC.xlsx"))));
    }

private:
    QString documents() const { return DocumentsFile::folder(); }
    std::unique_ptr<QTemporaryDir> m_home;
};

QTEST_MAIN(TestIndicesExport)
#include "tst_indicesexport.moc"
