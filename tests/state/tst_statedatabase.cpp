#include "common/DataSet.h"
#include "common/StepError.h"
#include "state/Classification.h"
#include "state/KavelDeletion.h"
#include "state/PositionLabel.h"
#include "state/StateData.h"
#include "tests/state/StateFixture.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

using TestSupport::run;

// The state database on a real file: creation, start-up, classification,
// free queries and deleting the rows of the current result.
class TestStateDatabase : public QObject
{
    Q_OBJECT

private slots:
    void initWritesTheTableAndNeverOverwrites();
    void startUpRefusesMissingOrForeignDatabase_data();
    void startUpRefusesMissingOrForeignDatabase();
    void startUpRefusesTheMunicipalityDatabase();
    void positionLabelText();
    void classification_data();
    void classification();
    void freeQuerySelectsOneState();
    void rejectedStatementLeavesTheResultClosed_data();
    void rejectedStatementLeavesTheResultClosed();
    void updateStatementIsCarriedOutOnce();
    void deletingAfterAClassificationKeepsTheOtherRows();
    void deletingNeedsConfirmationAndRows();
};

void TestStateDatabase::initWritesTheTableAndNeverOverwrites()
{
    StateFolder state;
    QCOMPARE(state.sql(QStringLiteral("select group_concat(name, ',') from pragma_table_info('Kavel')")),
             QStringLiteral("Municipio,UF,IIP,IB,E<0,9_N°,E<0,9_%,1<E<3,9_N°,1<E<3,9_%,E>4_N°,E>4_%,A1_N°,A1_%,"
                            "A2_N°,A2_%,B_N°,B_%,C_N°,C_%,D1_N°,D1_%,D2_N°,D2_%,E_N°,E_%,Periodo,CodMun,IIPalb,IBalb"));
    QCOMPARE(state.sql(QStringLiteral("select type from pragma_table_info('Kavel') where name in "
                                      "('Municipio', 'UF', 'IIP', 'E>4_N°', 'Periodo') order by cid")),
             QStringLiteral("TEXT(32)\nTEXT(2)\nFLOAT\nINTEGER\nTEXT(25)"));
    state.addRows({QStringLiteral("1")});
    QString err;
    const int code = run(QStringLiteral(NUBREL_BIN_DIR "/Nubrel2012Estados"), {QStringLiteral("--init")},
                         state.folder.path(), nullptr, &err);
    QVERIFY(code != 0);
    QVERIFY2(err.contains(QStringLiteral("já existe")), qPrintable(err));
    QCOMPARE(state.sql(QStringLiteral("select count(*) from Kavel")), QStringLiteral("1"));
}

void TestStateDatabase::startUpRefusesMissingOrForeignDatabase_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: no file at all
    QTest::addColumn<QString>("message");
    QTest::newRow("missing") << QByteArray() << "não foi encontrado";
    QTest::newRow("not a database") << QByteArray("isto não é um banco de dados, apenas texto.\n") << "não é um banco";
}

void TestStateDatabase::startUpRefusesMissingOrForeignDatabase()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    TestSupport::WorkFolder folder;
    const QString db = folder.file(QStringLiteral("Nubrel2012Estados.db"));
    if (!content.isEmpty())
        writeFile(db, content);
    QString err;
    const int code = run(QStringLiteral(NUBREL_BIN_DIR "/Nubrel2012Estados"), {}, folder.path(), nullptr, &err);
    QVERIFY(code != 0);
    QVERIFY2(err.contains(message), qPrintable(err));
    QCOMPARE(QFileInfo::exists(db), !content.isEmpty());
    if (!content.isEmpty()) {
        QFile file(db);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), content);
    }
}

void TestStateDatabase::startUpRefusesTheMunicipalityDatabase()
{
    // The municipality's database holds a table Kavel too, among its others.
    TestSupport::WorkFolder folder;
    folder.initMunicipalDatabase();
    QVERIFY(QFile::rename(folder.file(QStringLiteral("Nubrel2012Municipios.db")),
                          folder.file(QStringLiteral("Nubrel2012Estados.db"))));
    const QString before = TestSupport::sqlite(folder.file(QStringLiteral("Nubrel2012Estados.db")),
                                               QStringLiteral("select count(*) from sqlite_master"));
    QString err;
    const int code = run(QStringLiteral(NUBREL_BIN_DIR "/Nubrel2012Estados"), {}, folder.path(), nullptr, &err);
    QVERIFY(code != 0);
    QVERIFY2(err.contains(QStringLiteral("não é um banco de dados do módulo do Estado")), qPrintable(err));
    QCOMPARE(TestSupport::sqlite(folder.file(QStringLiteral("Nubrel2012Estados.db")),
                                 QStringLiteral("select count(*) from sqlite_master")),
             before);
}

void TestStateDatabase::positionLabelText()
{
    StateFolder state;
    StateData data;
    DataSet &kavel = *data.ADOQueryKavel;
    QCOMPARE(PositionLabel::text(kavel), QStringLiteral("Registro n°  -1  de  0"));
    state.addRows(QStringList(12, QStringLiteral("1")));
    kavel.refresh();
    kavel.moveTo(3);
    QCOMPARE(PositionLabel::text(kavel), QStringLiteral("Registro n°  3  de  12"));
    kavel.append();
    QCOMPARE(PositionLabel::text(kavel), QStringLiteral("Registro n°  -1  de  13"));
    kavel.cancel();
    kavel.close();
    QCOMPARE(PositionLabel::text(kavel), QStringLiteral("Registro n°  -1  de  0"));
}

void TestStateDatabase::classification_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("municipalities");
    QTest::newRow("Todos") << "Todos"
                           << "M1,M2,M3,M4,M5";
    QTest::newRow("low") << "IIP<=0,9"
                         << "M1";
    QTest::newRow("medium") << "1<=IIP<=3,9"
                            << "M3";
    QTest::newRow("high") << "IIP>=4"
                          << "M4";
}

void TestStateDatabase::classification()
{
    QFETCH(QString, item);
    QFETCH(QString, municipalities);
    StateFolder state;
    state.addRows({QStringLiteral("0.9"), QStringLiteral("0.95"), QStringLiteral("1"), QStringLiteral("4"), QString()});
    StateData data;
    DataSet &kavel = *data.ADOQueryKavel;
    for (int twice = 0; twice < 2; ++twice) {
        Classification::classify(kavel, item);
        QStringList names;
        for (int row = 0; row < kavel.recordCount(); ++row)
            names << kavel.textAt(row, kavel.fieldIndex(QStringLiteral("Municipio")));
        QCOMPARE(names.join(QLatin1Char(',')), municipalities);
    }
    // Another text is none of the items and changes nothing.
    Classification::classify(kavel, QStringLiteral("todos"));
    QCOMPARE(kavel.statement(), Classification::statementFor(item));
}

void TestStateDatabase::freeQuerySelectsOneState()
{
    StateFolder state;
    state.addRows({QStringLiteral("1"), QStringLiteral("2")}, QStringLiteral("RJ"));
    state.addRows({QStringLiteral("3")}, QStringLiteral("SP"));
    StateData data;
    DataSet &kavel = *data.ADOQueryKavel;
    Classification::runQuery(kavel, data.ADOConnection1, QStringLiteral("select *\nfrom Kavel\nwhere UF = 'SP'"));
    QCOMPARE(kavel.recordCount(), 1);
    QCOMPARE(kavel.asText(QStringLiteral("UF")), QStringLiteral("SP"));
    // One table's rows can still be corrected.
    kavel.edit();
    kavel.setText(QStringLiteral("Periodo"), QStringLiteral("Fev/2012"));
    kavel.post();
    QCOMPARE(state.sql(QStringLiteral("select Periodo from Kavel where UF = 'SP'")), QStringLiteral("Fev/2012"));
    // A result over two tables is shown but cannot be changed.
    Classification::runQuery(kavel, data.ADOConnection1, QStringLiteral("select * from Kavel a, Kavel b"));
    QCOMPARE(kavel.recordCount(), 9);
    QVERIFY_THROWS_EXCEPTION(StepError, kavel.edit());
}

void TestStateDatabase::rejectedStatementLeavesTheResultClosed_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("message");
    QTest::newRow("syntax") << "selec * from Kavel"
                            << "syntax error";
    QTest::newRow("no such table") << "select * from Kavels"
                                   << "no such table";
    QTest::newRow("empty box") << "\n"
                               << "vazia";
    QTest::newRow("two statements") << "select * from Kavel; delete from Kavel"
                                    << "multiple statements";
}

void TestStateDatabase::rejectedStatementLeavesTheResultClosed()
{
    QFETCH(QString, statement);
    QFETCH(QString, message);
    StateFolder state;
    state.addRows({QStringLiteral("1"), QStringLiteral("2")});
    StateData data;
    DataSet &kavel = *data.ADOQueryKavel;
    try {
        Classification::runQuery(kavel, data.ADOConnection1, statement);
        QFAIL("the statement was accepted");
    } catch (const StepError &e) {
        QVERIFY(!e.message().isEmpty());
        QVERIFY2(e.message().contains(message), qPrintable(e.message()));
    }
    QVERIFY(!kavel.isActive());
    QCOMPARE(PositionLabel::text(kavel), QStringLiteral("Registro n°  -1  de  0"));
    QCOMPARE(state.sql(QStringLiteral("select count(*) from Kavel")), QStringLiteral("2"));
    // A class brings the rows back.
    Classification::classify(kavel, QStringLiteral("Todos"));
    QCOMPARE(kavel.recordCount(), 2);
}

void TestStateDatabase::updateStatementIsCarriedOutOnce()
{
    StateFolder state;
    state.addRows({QStringLiteral("1"), QStringLiteral("2")});
    StateData data;
    DataSet &kavel = *data.ADOQueryKavel;
    try {
        Classification::runQuery(kavel, data.ADOConnection1, QStringLiteral("update Kavel set IIP = IIP + 10"));
        QFAIL("an update was taken for a query");
    } catch (const StepError &e) {
        QCOMPARE(e.message(), QStringLiteral("CommandText does not return a result set"));
    }
    QVERIFY(!kavel.isActive());
    QCOMPARE(state.sql(QStringLiteral("select group_concat(IIP, ',') from Kavel")), QStringLiteral("11.0,12.0"));
}

void TestStateDatabase::deletingAfterAClassificationKeepsTheOtherRows()
{
    StateFolder state;
    state.addRows({"0.5", "0.6", "1", "1.5", "2", "3.9", "4", "5", "6", "7", "0.1", "0.2"});
    StateData data;
    DataSet &kavel = *data.ADOQueryKavel;
    Classification::classify(kavel, QStringLiteral("IIP>=4"));
    QCOMPARE(kavel.recordCount(), 4);
    int asked = 0;
    const int deleted = KavelDeletion::deleteResultRows(kavel, data.ADOConnection1, [&](int rows) {
        asked = rows;
        return true;
    });
    QCOMPARE(asked, 4);
    QCOMPARE(deleted, 4);
    QCOMPARE(kavel.recordCount(), 0);
    QCOMPARE(state.sql(QStringLiteral("select count(*) from Kavel")), QStringLiteral("8"));
    QCOMPARE(state.sql(QStringLiteral("select count(*) from Kavel where IIP >= 4")), QStringLiteral("0"));
}

void TestStateDatabase::deletingNeedsConfirmationAndRows()
{
    StateFolder state;
    state.addRows({QStringLiteral("1"), QStringLiteral("2")});
    StateData data;
    DataSet &kavel = *data.ADOQueryKavel;
    // "Não" keeps every row.
    QCOMPARE(KavelDeletion::deleteResultRows(kavel, data.ADOConnection1, [](int) { return false; }), 0);
    QCOMPARE(state.sql(QStringLiteral("select count(*) from Kavel")), QStringLiteral("2"));
    // An empty result asks nothing and deletes nothing.
    Classification::classify(kavel, QStringLiteral("IIP>=4"));
    bool asked = false;
    QCOMPARE(KavelDeletion::deleteResultRows(kavel, data.ADOConnection1, [&](int) { return asked = true; }), 0);
    QVERIFY(!asked);
    // A computed result cannot be deleted: nothing goes.
    Classification::runQuery(kavel, data.ADOConnection1, QStringLiteral("select UF, count(*) from Kavel group by UF"));
    QVERIFY_THROWS_EXCEPTION(StepError,
                             KavelDeletion::deleteResultRows(kavel, data.ADOConnection1, [](int) { return true; }));
    QCOMPARE(state.sql(QStringLiteral("select count(*) from Kavel")), QStringLiteral("2"));
}

QTEST_GUILESS_MAIN(TestStateDatabase)
#include "tst_statedatabase.moc"
