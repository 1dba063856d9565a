#include "common/DataSet.h"
#include "common/SummaryFile.h"
#include "state/KavelImport.h"
#include "state/StateData.h"
#include "tests/state/StateAppFixture.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

QStringList withRow(QStringList rows, int row, const QString &text)
{
    rows[row] = text;
    return rows;
}

} // namespace

// "Importar dados" with summary files written byte by byte.
class TestStateImport : public QObject
{
    Q_OBJECT

private slots:
    void importOneFile_data();
    void importOneFile();
    void sameFileTwiceGivesTwoRows();
    void cancelledDialogChangesNothing();
    void severalFilesWithABadOne();
    void importWhileAClassIsChosen();
    void fileWrittenByTheMunicipalityArrivesWhole();
};

void TestStateImport::importOneFile_data()
{
    const QStringList record = summaryRecord();
    const QString foreignDecimal = TestSupport::foreign(QStringLiteral("1.5"));
    const QString localDecimal = TestSupport::local(QStringLiteral("2.5"));
    const QString name32 = QStringLiteral("Vila Bela da Santíssima Trindade");
    const QString longName = name32 + QStringLiteral("X");
    QTest::addColumn<QByteArray>("bytes"); // null: no file at all
    QTest::addColumn<QString>("query");    // run after a stored import
    QTest::addColumn<QString>("expected"); // what it prints, or a part of the refusal
    QTest::addColumn<bool>("pending");     // the row stays pending after a refusal

    const QString all = QStringLiteral("select * from Kavel");
    QTest::newRow("well-formed") << summaryBytes(record) << all << storedSummaryRecord() << false;
    QTest::newRow("lines ending in LF") << summaryBytes(record).replace("\r\n", "\n") << all << storedSummaryRecord()
                                        << false;
    QTest::newRow("rows 28 and 29 with text")
        << summaryBytes(record + QStringList{QStringLiteral("sobra"), QStringLiteral("mais")}) << all
        << storedSummaryRecord() << false;
    QTest::newRow("empty fields") << summaryBytes(withRow(withRow(withRow(record, 2, {}), 24, {}), 10, {}))
                                  << "select IIP is null, Periodo is null, \"A1_N°\" is null, Municipio from Kavel"
                                  << "1|1|1|Rio de Janeiro" << false;
    QTest::newRow("accented name") << summaryBytes(withRow(record, 0, QStringLiteral("São Gonçalo")))
                                   << "select Municipio, hex(Municipio) from Kavel"
                                   << "São Gonçalo|53C3A36F20476F6EC3A7616C6F" << false;
    QTest::newRow("decimal with the other separator")
        << summaryBytes(withRow(record, 2, foreignDecimal)) << QString()
        << QStringLiteral("'%1' is not a valid floating point value for field 'IIP'").arg(foreignDecimal) << true;
    QTest::newRow("decimal in a count")
        << summaryBytes(withRow(record, 4, localDecimal)) << QString()
        << QStringLiteral("'%1' is not a valid integer value for field 'E<0,9_N°'").arg(localDecimal) << true;
    QTest::newRow("name of 32") << summaryBytes(withRow(record, 0, name32)) << "select Municipio from Kavel" << name32
                                << false;
    QTest::newRow("name longer than 32") << summaryBytes(withRow(record, 0, longName)) << QString() << longName << true;
    QTest::newRow("UF longer than 2") << summaryBytes(withRow(record, 1, QStringLiteral("RJX"))) << QString() << "RJX"
                                      << true;
    QTest::newRow("missing file") << QByteArray() << QString() << "Erro de E/S" << false;
    QTest::newRow("counts not numbers") << summaryBytes(record, "um\r\n30\r\n") << QString() << "Invalid numeric input"
                                        << false;
    QTest::newRow("empty file") << QByteArray("") << QString() << "nenhum registro" << false;
    QTest::newRow("counts of 0") << summaryBytes(record, "0\r\n0\r\n") << QString() << "nenhum registro" << false;
    QTest::newRow("every cell empty") << summaryBytes({}) << QString() << "nenhum registro" << false;
}

void TestStateImport::importOneFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, query);
    QFETCH(QString, expected);
    QFETCH(bool, pending);
    StateAppFixture f;
    const QString path = f.state.folder.file(QStringLiteral("Rio de Janeiro-RJ.nubrel"));
    if (!bytes.isNull())
        writeFile(path, bytes);
    Dialogs::answerNext(QStringList{path});
    click(f, QStringLiteral("Importar dados"));
    QCOMPARE(Dialogs::shown().first().kind, QStringLiteral("open"));
    const DataSet &kavel = *f.app->Data->ADOQueryKavel;

    if (!query.isEmpty()) {
        QCOMPARE(f.errors(), QStringList());
        QCOMPARE(f.sql(query), expected);
        QCOMPARE(f.window()->recordViewLabel(), QStringLiteral("1"));
        QCOMPARE(f.window()->tableViewLabel(), QStringLiteral("Registro n°  -1  de  0"));
        QCOMPARE(kavel.state(), DataSet::State::Browse);
        return;
    }
    QCOMPARE(f.errors().size(), 1);
    QVERIFY2(f.errors().first().contains(expected), qPrintable(f.errors().first()));
    if (expected.startsWith(QLatin1Char('\'')))
        QCOMPARE(f.errors().first(), expected);
    QCOMPARE(f.window()->recordViewLabel(), QStringLiteral("Registro n°  -1  de  0"));
    QCOMPARE(kavel.state() == DataSet::State::Insert, pending);
    if (pending) {
        // Every text stays in its box, the refused one as it was.
        const QStringList texts = KavelImport::recordTexts(path);
        QCOMPARE(f.find<QLineEdit>(QStringLiteral("Município :"))->text(), texts[0]);
        QCOMPARE(f.find<QLineEdit>(QStringLiteral("UF :"))->text(), texts[1]);
        QCOMPARE(f.find<QLineEdit>(QStringLiteral("I.I.P. Aedes aegypti"))->text(), texts[2]);
        QCOMPARE(f.find<QLineEdit>(QStringLiteral("Estratos com I.I.P. <= 0,9 N°"))->text(), texts[4]);
        QCOMPARE(f.find<QLineEdit>(QStringLiteral("I.B. Aedes albopictus"))->text(), texts[27]);
        click(f, QStringLiteral("Cancelar edição"));
        QCOMPARE(kavel.state(), DataSet::State::Browse);
    }
    QCOMPARE(kavel.recordCount(), 0);
    QCOMPARE(f.sql(QStringLiteral("select count(*) from Kavel")), QStringLiteral("0"));
}

void TestStateImport::sameFileTwiceGivesTwoRows()
{
    StateAppFixture f({QStringLiteral("1")});
    const QString path =
        writeFile(f.state.folder.file(QStringLiteral("Rio de Janeiro-RJ.nubrel")), summaryBytes(summaryRecord()));
    for (int i = 0; i < 2; ++i) {
        Dialogs::answerNext(QStringList{path});
        click(f, QStringLiteral("Importar dados"));
        QCOMPARE(f.errors(), QStringList());
        QCOMPARE(f.window()->recordViewLabel(), QString::number(2 + i));
    }
    QCOMPARE(f.sql(QStringLiteral("select count(*), count(distinct Municipio || IIP || Periodo) from Kavel where "
                                  "Municipio = 'Rio de Janeiro'")),
             QStringLiteral("2|1"));
    QCOMPARE(f.app->Data->ADOQueryKavel->recNo(), 3);
}

void TestStateImport::cancelledDialogChangesNothing()
{
    StateAppFixture f({QStringLiteral("1")});
    Dialogs::answerNext(QVariant());
    click(f, QStringLiteral("Importar dados"));
    QCOMPARE(Dialogs::shown().size(), 1);
    QCOMPARE(f.window()->recordViewLabel(), QStringLiteral("Registro n°  1  de  1"));
    QCOMPARE(f.sql(QStringLiteral("select count(*) from Kavel")), QStringLiteral("1"));
}

void TestStateImport::severalFilesWithABadOne()
{
    StateAppFixture f;
    const QString foreignDecimal = TestSupport::foreign(QStringLiteral("1.5"));
    const QString a = writeFile(f.state.folder.file(QStringLiteral("Niterói-RJ.nubrel")),
                                summaryBytes(withRow(summaryRecord(), 0, QStringLiteral("Niterói"))));
    const QString b = writeFile(f.state.folder.file(QStringLiteral("Ruim-RJ.nubrel")),
                                summaryBytes(withRow(summaryRecord(), 2, foreignDecimal)));
    const QString c = writeFile(f.state.folder.file(QStringLiteral("Magé-RJ.nubrel")),
                                summaryBytes(withRow(summaryRecord(), 0, QStringLiteral("Magé"))));
    Dialogs::answerNext(QStringList{a, b, c, f.state.folder.file(QStringLiteral("Sumiu-RJ.nubrel"))});
    click(f, QStringLiteral("Importar dados"));
    QCOMPARE(f.errors(), QStringList());
    const QStringList lines = Dialogs::shown().last().text.split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines[0], QStringLiteral("Niterói-RJ.nubrel: importado"));
    QCOMPARE(
        lines[1],
        QStringLiteral("Ruim-RJ.nubrel: '%1' is not a valid floating point value for field 'IIP'").arg(foreignDecimal));
    QCOMPARE(lines[2], QStringLiteral("Magé-RJ.nubrel: importado"));
    QVERIFY2(lines[3].startsWith(QStringLiteral("Sumiu-RJ.nubrel: Erro de E/S")), qPrintable(lines[3]));
    QCOMPARE(f.sql(QStringLiteral("select group_concat(Municipio, ',') from Kavel")), QStringLiteral("Niterói,Magé"));
    const DataSet &kavel = *f.app->Data->ADOQueryKavel;
    QCOMPARE(kavel.state(), DataSet::State::Browse);
    QCOMPARE(kavel.recordCount(), 2);
    QCOMPARE(f.window()->recordViewLabel(), QStringLiteral("2"));
}

void TestStateImport::importWhileAClassIsChosen()
{
    StateAppFixture f({QStringLiteral("5")});
    f.showTab(QStringLiteral("Classificação"));
    auto *combo = f.find<QComboBox>(QStringLiteral("Classificar municípios por faixa de IIP :"));
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(combo, Qt::Key_Down);
    const QString path =
        writeFile(f.state.folder.file(QStringLiteral("Baixo-RJ.nubrel")),
                  summaryBytes(withRow(summaryRecord(), 2, TestSupport::local(QStringLiteral("0.5")))));
    Dialogs::answerNext(QStringList{path});
    click(f, QStringLiteral("Importar dados"));
    const DataSet &kavel = *f.app->Data->ADOQueryKavel;
    QCOMPARE(kavel.recordCount(), 2);
    QCOMPARE(kavel.asText(QStringLiteral("Municipio")), QStringLiteral("Rio de Janeiro"));
    QCOMPARE(f.sql(QStringLiteral("select count(*) from Kavel")), QStringLiteral("2"));
    QTest::keyClick(combo, Qt::Key_Up);
    QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(kavel.recordCount(), 1);
    QCOMPARE(kavel.asText(QStringLiteral("Municipio")), QStringLiteral("M1"));
}

void TestStateImport::fileWrittenByTheMunicipalityArrivesWhole()
{
    StateFolder state;
    SummaryFile::Table table;
    table.columns = 1;
    table.rows = 30;
    table.cells = {summaryRecord() + QStringList{QString(), QString()}};
    table.cells[0][0] = QStringLiteral("São Gonçalo");
    const QString path = state.folder.file(QStringLiteral("São Gonçalo-RJ.nubrel"));
    SummaryFile::write(path, table);
    StateData data;
    KavelImport::appendRecord(*data.ADOQueryKavel, KavelImport::recordTexts(path));
    QCOMPARE(state.sql(QStringLiteral("select * from Kavel")),
             QString(storedSummaryRecord()).replace(QStringLiteral("Rio de Janeiro"), QStringLiteral("São Gonçalo")));
}

QTEST_MAIN(TestStateImport)
#include "tst_stateimport.moc"
