#include "common/DataSet.h"
#include "common/Database.h"
#include "common/StepError.h"
#include "common/Transaction.h"
#include "tests/support/TestSupport.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QTest>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using TestSupport::sqlite;

// A small database: a master table of strata and a detail table of items,
// with one column of every type the layer knows.
class TestDataSet : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void openRefusesWhatIsNotADatabase_data();
    void openRefusesWhatIsNotADatabase();
    void moves_data();
    void moves();
    void readsConvertTypes_data();
    void readsConvertTypes();
    void textIsConvertedOrRefused_data();
    void textIsConvertedOrRefused();
    void editingIsWrittenToTheFile_data();
    void editingIsWrittenToTheFile();
    void pendingChangeIsPostedBeforeAMove();
    void untouchedNewRowIsDropped();
    void refreshAndReopenReadStoredRows();
    void queryStatementCanBeReplaced();
    void onlyOneTableStatementsAreEditable_data();
    void onlyOneTableStatementsAreEditable();
    void masterAndDetail();
    void detailEditIsPostedBeforeTheMasterMoves();
    void postedRowSurvivesAKilledProcess();
    void transactionStoresAllOrNothing_data();
    void transactionStoresAllOrNothing();

private:
    DataSet *table(const QString &name);

    std::unique_ptr<TestSupport::WorkFolder> m_folder;
    QSqlDatabase m_db;
    QString m_file;
};

void TestDataSet::init()
{
    m_folder = std::make_unique<TestSupport::WorkFolder>();
    m_file = m_folder->file(QStringLiteral("t.db"));
    {
        QSqlDatabase db = Database::createNew(QStringLiteral("t.db"), QStringLiteral("create"));
        for (const char *sql : {
                 R"(CREATE TABLE "Strata" ("Code" INTEGER, "Name" TEXT(5), "Share" FLOAT, "Notes" MEMO))",
                 R"(CREATE TABLE "Items" ("Code" INTEGER, "Item" INTEGER, "Bairro" TEXT(35)))",
                 R"(INSERT INTO "Strata" VALUES (1, 'um', 2.5, NULL), (2, 'dois', 3.5, 'x'), (3, NULL, NULL, NULL))",
                 R"(INSERT INTO "Items" VALUES (1, 1, 'Centro'), (1, 2, 'Boa Vista'), (2, 1, 'Várzea'))",
             })
            Database::exec(db, QString::fromUtf8(sql));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("create"));
    m_db = Database::openExisting(QStringLiteral("t.db"), QStringLiteral("test"));
}

void TestDataSet::cleanup()
{
    for (DataSet *ds : findChildren<DataSet *>())
        delete ds;
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("test"));
    m_folder.reset();
}

DataSet *TestDataSet::table(const QString &name)
{
    auto *ds = new DataSet(m_db, this);
    ds->setTable(name);
    ds->open();
    return ds;
}

void TestDataSet::openRefusesWhatIsNotADatabase_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: no file at all
    QTest::addColumn<QString>("message");
    QTest::newRow("missing file") << QByteArray() << QStringLiteral("não foi encontrado");
    QTest::newRow("not a database") << QByteArray("just some text, not SQLite\n")
                                    << QStringLiteral("não é um banco de dados");
}

void TestDataSet::openRefusesWhatIsNotADatabase()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    if (!content.isEmpty()) {
        QFile f(QStringLiteral("other.db"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    try {
        Database::openExisting(QStringLiteral("other.db"), QStringLiteral("other"));
        QFAIL("opened");
    } catch (const StepError &e) {
        QVERIFY2(e.message().contains(message), qPrintable(e.message()));
    }
    QCOMPARE(QFileInfo::exists(QStringLiteral("other.db")), !content.isEmpty());
    if (!content.isEmpty()) {
        QFile f(QStringLiteral("other.db"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), content);
    }
}

void TestDataSet::moves_data()
{
    // A sequence of moves, each letter one call, and the record number and
    // begin / end flags after the last one.
    QTest::addColumn<QString>("moves");
    QTest::addColumn<int>("recNo");
    QTest::addColumn<bool>("bof");
    QTest::addColumn<bool>("eof");
    QTest::newRow("opened") << "" << 1 << true << false;
    QTest::newRow("first") << "F" << 1 << true << false;
    QTest::newRow("last") << "L" << 3 << false << true;
    QTest::newRow("next onto the last row") << "NN" << 3 << false << false;
    QTest::newRow("next past the end") << "NNN" << 3 << false << true;
    QTest::newRow("prior from the last") << "LP" << 2 << false << false;
    QTest::newRow("prior onto the first") << "LPP" << 1 << false << false;
    QTest::newRow("prior past the beginning") << "LPPP" << 1 << true << false;
}

void TestDataSet::moves()
{
    QFETCH(QString, moves);
    DataSet *ds = table(QStringLiteral("Strata"));
    QCOMPARE(ds->recordCount(), 3);
    for (QChar m : moves) {
        switch (m.toLatin1()) {
        case 'F':
            ds->first();
            break;
        case 'L':
            ds->last();
            break;
        case 'N':
            ds->next();
            break;
        case 'P':
            ds->prior();
            break;
        }
    }
    QTEST(ds->recNo(), "recNo");
    QTEST(ds->bof(), "bof");
    QTEST(ds->eof(), "eof");
}

void TestDataSet::readsConvertTypes_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("field");
    QTest::addColumn<qlonglong>("asInteger");
    QTest::addColumn<QString>("asText");
    QTest::newRow("float 2.5 rounds to even") << 1 << "Share" << 2LL << TestSupport::local(QStringLiteral("2.5"));
    QTest::newRow("float 3.5 rounds to even") << 2 << "Share" << 4LL << TestSupport::local(QStringLiteral("3.5"));
    QTest::newRow("null float") << 3 << "Share" << 0LL << QString();
    QTest::newRow("null text") << 3 << "Name" << 0LL << QString();
    QTest::newRow("integer") << 2 << "Code" << 2LL << QStringLiteral("2");
}

void TestDataSet::readsConvertTypes()
{
    QFETCH(int, row);
    QFETCH(QString, field);
    DataSet *ds = table(QStringLiteral("Strata"));
    ds->moveTo(row);
    QTEST(qlonglong(ds->asInteger(field)), "asInteger");
    QTEST(ds->asText(field), "asText");
    // by position as by name
    QCOMPARE(ds->asText(ds->fieldIndex(field)), ds->asText(field));
}

void TestDataSet::textIsConvertedOrRefused_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored"); // as sqlite3 prints it; empty when refused
    QTest::newRow("integer") << "Code"
                             << "42"
                             << "42";
    QTest::newRow("integer with blanks") << "Code"
                                         << " 7 "
                                         << "7";
    QTest::newRow("integer refuses a decimal") << "Code" << TestSupport::local(QStringLiteral("1.5")) << "";
    QTest::newRow("integer refuses letters") << "Code"
                                             << "12a"
                                             << "";
    QTest::newRow("integer beyond 32 bits") << "Code"
                                            << "3000000000"
                                            << "";
    QTest::newRow("float in the user's format") << "Share" << TestSupport::local(QStringLiteral("12.25")) << "12.25";
    QTest::newRow("float refuses the other separator")
        << "Share" << TestSupport::foreign(QStringLiteral("12.25")) << "";
    QTest::newRow("text within its width") << "Name"
                                           << "cinco"
                                           << "cinco";
    QTest::newRow("text beyond its width") << "Name"
                                           << "seis!!"
                                           << "";
    QTest::newRow("memo has no width") << "Notes" << QString(500, QLatin1Char('m')) << QString(500, QLatin1Char('m'));
}

void TestDataSet::textIsConvertedOrRefused()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, stored);
    DataSet *ds = table(QStringLiteral("Strata"));
    ds->edit();
    try {
        ds->setText(field, text);
        QVERIFY2(!stored.isEmpty(), "a text that does not fit was accepted");
        ds->post();
    } catch (const StepError &e) {
        QVERIFY2(stored.isEmpty(), qPrintable(e.message()));
        QVERIFY2(e.message().contains(text) && e.message().contains(field), qPrintable(e.message()));
        if (field == QLatin1String("Share"))
            QCOMPARE(e.message(),
                     QStringLiteral("'%1' is not a valid floating point value for field 'Share'").arg(text));
        if (field == QLatin1String("Code") && !text.startsWith(QLatin1Char('3')))
            QCOMPARE(e.message(), QStringLiteral("'%1' is not a valid integer value for field 'Code'").arg(text));
        QVERIFY(ds->isEditing()); // the row stays in edit
        ds->cancel();
        // nothing reached the file
        QCOMPARE(sqlite(m_file, QStringLiteral("select Code, Name, Share, Notes from Strata where rowid = 1")),
                 QStringLiteral("1|um|2.5|"));
        return;
    }
    QCOMPARE(sqlite(m_file, QStringLiteral("select \"%1\" from Strata where rowid = 1").arg(field)), stored);
}

void TestDataSet::editingIsWrittenToTheFile_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("rows"); // Code|Name of every row, in rowid order
    QTest::newRow("edit and post") << "edit"
                                   << "9|um\n2|dois\n3|";
    QTest::newRow("edit and cancel") << "edit-cancel"
                                     << "1|um\n2|dois\n3|";
    QTest::newRow("insert") << "insert"
                            << "1|um\n2|dois\n3|\n9|novo";
    QTest::newRow("append") << "append"
                            << "1|um\n2|dois\n3|\n9|novo";
    QTest::newRow("insert and cancel") << "insert-cancel"
                                       << "1|um\n2|dois\n3|";
    QTest::newRow("delete") << "delete"
                            << "1|um\n3|";
    QTest::newRow("edit on an empty table starts a row") << "empty-edit"
                                                         << "9|novo";
}

void TestDataSet::editingIsWrittenToTheFile()
{
    QFETCH(QString, action);
    DataSet *ds = table(QStringLiteral("Strata"));
    if (action == QLatin1String("edit") || action == QLatin1String("edit-cancel")) {
        ds->edit();
        ds->setInteger(QStringLiteral("Code"), 9);
        if (action == QLatin1String("edit"))
            ds->post();
        else
            ds->cancel();
        QCOMPARE(ds->asInteger(QStringLiteral("Code")), action == QLatin1String("edit") ? 9 : 1);
    } else if (action.startsWith(QLatin1String("insert")) || action == QLatin1String("append")) {
        ds->moveTo(2);
        if (action == QLatin1String("append"))
            ds->append();
        else
            ds->insert();
        QCOMPARE(ds->state(), DataSet::State::Insert);
        QCOMPARE(ds->recNo(), action == QLatin1String("append") ? 4 : 2);
        ds->setText(QStringLiteral("Code"), QStringLiteral("9"));
        ds->setText(QStringLiteral("Name"), QStringLiteral("novo"));
        if (action == QLatin1String("insert-cancel")) {
            ds->cancel();
            QCOMPARE(ds->recordCount(), 3);
        } else {
            ds->post();
            QCOMPARE(ds->recordCount(), 4);
        }
    } else if (action == QLatin1String("delete")) {
        ds->moveTo(2);
        ds->remove();
        QCOMPARE(ds->recordCount(), 2);
        QCOMPARE(ds->asInteger(QStringLiteral("Code")), 3); // the next row became current
    } else if (action == QLatin1String("empty-edit")) {
        while (ds->recordCount() > 0)
            ds->remove();
        ds->edit();
        QCOMPARE(ds->state(), DataSet::State::Insert);
        ds->setInteger(QStringLiteral("Code"), 9);
        ds->setText(QStringLiteral("Name"), QStringLiteral("novo"));
        ds->post();
    }
    QTEST(sqlite(m_file, QStringLiteral("select Code, Name from Strata order by rowid")), "rows");
}

void TestDataSet::pendingChangeIsPostedBeforeAMove()
{
    DataSet *ds = table(QStringLiteral("Strata"));
    ds->edit();
    ds->setText(QStringLiteral("Name"), QStringLiteral("mudou"));
    ds->next();
    QCOMPARE(ds->state(), DataSet::State::Browse);
    QCOMPARE(sqlite(m_file, QStringLiteral("select Name from Strata where rowid = 1")), QStringLiteral("mudou"));
    // and before an insert
    ds->edit();
    ds->setText(QStringLiteral("Name"), QStringLiteral("outro"));
    ds->insert();
    QCOMPARE(sqlite(m_file, QStringLiteral("select Name from Strata where rowid = 2")), QStringLiteral("outro"));
}

void TestDataSet::untouchedNewRowIsDropped()
{
    DataSet *ds = table(QStringLiteral("Strata"));
    ds->append();
    QCOMPARE(ds->recordCount(), 4);
    ds->first();
    QCOMPARE(ds->recordCount(), 3);
    QCOMPARE(sqlite(m_file, QStringLiteral("select count(*) from Strata")), QStringLiteral("3"));
    // a new row somebody changed is kept
    ds->append();
    ds->setInteger(QStringLiteral("Code"), 4);
    ds->first();
    QCOMPARE(sqlite(m_file, QStringLiteral("select count(*) from Strata")), QStringLiteral("4"));
}

void TestDataSet::refreshAndReopenReadStoredRows()
{
    DataSet *ds = table(QStringLiteral("Strata"));
    ds->moveTo(2);
    sqlite(m_file,
           QStringLiteral("update Strata set Name = 'fora' where rowid = 2; insert into Strata (Code) values (5)"));
    QCOMPARE(ds->asText(QStringLiteral("Name")), QStringLiteral("dois"));
    ds->refresh();
    QCOMPARE(ds->recNo(), 2);
    QCOMPARE(ds->asText(QStringLiteral("Name")), QStringLiteral("fora"));
    QCOMPARE(ds->recordCount(), 4);
    sqlite(m_file, QStringLiteral("delete from Strata where Code = 5"));
    ds->close();
    QVERIFY(!ds->isActive());
    ds->open();
    QCOMPARE(ds->recordCount(), 3);
    QCOMPARE(ds->recNo(), 1);
}

void TestDataSet::queryStatementCanBeReplaced()
{
    auto *q = new DataSet(m_db, this);
    q->setStatement(QStringLiteral("Select * from Strata where Share>=1 and Share<=3.4"));
    q->open();
    QCOMPARE(q->recordCount(), 1);
    QCOMPARE(q->asText(QStringLiteral("Name")), QStringLiteral("um"));
    // rows inserted through "select * from" go to the table
    q->setStatement(QStringLiteral("Select * from Strata;"));
    QVERIFY(!q->isActive());
    q->open();
    QCOMPARE(q->recordCount(), 3);
    q->append();
    q->setInteger(QStringLiteral("Code"), 8);
    q->post();
    QCOMPARE(sqlite(m_file, QStringLiteral("select count(*) from Strata where Code = 8")), QStringLiteral("1"));
    // any other statement is shown as it stands and cannot be changed
    q->setStatement(QStringLiteral("select Code, count(*) as n from Items group by Code"));
    q->open();
    QCOMPARE(q->recordCount(), 2);
    QCOMPARE(q->asInteger(QStringLiteral("n")), 2);
    QVERIFY_THROWS_EXCEPTION(StepError, q->edit());
    // a column that does not exist is named
    try {
        q->asText(QStringLiteral("Missing"));
        QFAIL("read a missing column");
    } catch (const StepError &e) {
        QVERIFY(e.message().contains(QStringLiteral("Missing")));
    }
}

void TestDataSet::onlyOneTableStatementsAreEditable_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("editable");
    QTest::newRow("one table") << "select * from Strata" << 3 << true;
    QTest::newRow("quoted table, semicolon") << "SELECT * FROM \"Strata\" ;" << 3 << true;
    QTest::newRow("where") << "select * from Strata where Code >= 2" << 2 << true;
    QTest::newRow("order by") << "select * from Strata order by Code desc" << 3 << true;
    QTest::newRow("limit") << "select * from Strata limit 1" << 1 << true;
    QTest::newRow("two tables") << "select * from Strata, Items" << 9 << false;
    QTest::newRow("same table twice") << "select * from Strata a,Strata b" << 9 << false;
    QTest::newRow("join") << "select * from Strata join Items using (Code)" << 3 << false;
    QTest::newRow("alias") << "select * from Strata s where s.Code = 1" << 1 << false;
    QTest::newRow("union") << "select * from Strata where Code = 1 union select * from Strata" << 3 << false;
    QTest::newRow("columns") << "select Code, Name from Strata" << 3 << false;
    QTest::newRow("computed") << "select count(*) from Strata" << 1 << false;
}

void TestDataSet::onlyOneTableStatementsAreEditable()
{
    QFETCH(QString, statement);
    QFETCH(int, rows);
    QFETCH(bool, editable);
    auto *q = new DataSet(m_db, this);
    q->setStatement(statement);
    q->open();
    QCOMPARE(q->recordCount(), rows);
    if (!editable) {
        QVERIFY_THROWS_EXCEPTION(StepError, q->edit());
        QVERIFY_THROWS_EXCEPTION(StepError, q->remove());
        QCOMPARE(sqlite(m_file, QStringLiteral("select count(*) from Strata")), QStringLiteral("3"));
        return;
    }
    q->last();
    const QString code = q->asText(QStringLiteral("Code"));
    q->remove();
    QCOMPARE(q->recordCount(), rows - 1);
    QCOMPARE(sqlite(m_file, QStringLiteral("select count(*) from Strata where Code = %1").arg(code)),
             QStringLiteral("0"));
    QCOMPARE(sqlite(m_file, QStringLiteral("select count(*) from Strata")), QStringLiteral("2"));
}

void TestDataSet::masterAndDetail()
{
    DataSet *master = table(QStringLiteral("Strata"));
    auto *detail = new DataSet(m_db, this);
    detail->setTable(QStringLiteral("Items"));
    detail->setMaster(master, QStringLiteral("Code"), QStringLiteral("Code"));
    detail->open();
    QCOMPARE(detail->recordCount(), 2);
    master->next();
    QCOMPARE(detail->recordCount(), 1);
    QCOMPARE(detail->asText(QStringLiteral("Bairro")), QStringLiteral("Várzea"));
    master->next();
    QCOMPARE(detail->recordCount(), 0);
    // a new detail row receives the master's value
    detail->append();
    QCOMPARE(detail->asInteger(QStringLiteral("Code")), 3);
    detail->setText(QStringLiteral("Bairro"), QStringLiteral("Novo"));
    detail->post();
    QCOMPARE(sqlite(m_file, QStringLiteral("select Code from Items where Bairro = 'Novo'")), QStringLiteral("3"));
    // a change of the master's key value is followed at once
    master->first();
    master->edit();
    master->setInteger(QStringLiteral("Code"), 2);
    QCOMPARE(detail->recordCount(), 1);
    QCOMPARE(detail->asText(QStringLiteral("Bairro")), QStringLiteral("Várzea"));
    master->cancel();
    QCOMPARE(detail->recordCount(), 2);
    // an empty master shows no detail rows
    master->setStatement(QStringLiteral("select * from Strata where Code = 99"));
    master->open();
    QCOMPARE(detail->recordCount(), 0);
}

void TestDataSet::detailEditIsPostedBeforeTheMasterMoves()
{
    DataSet *master = table(QStringLiteral("Strata"));
    auto *detail = new DataSet(m_db, this);
    detail->setTable(QStringLiteral("Items"));
    detail->setMaster(master, QStringLiteral("Code"), QStringLiteral("Code"));
    detail->open();
    detail->edit();
    detail->setText(QStringLiteral("Bairro"), QStringLiteral("Centro Velho"));
    master->next();
    QCOMPARE(sqlite(m_file, QStringLiteral("select Bairro from Items where rowid = 1")),
             QStringLiteral("Centro Velho"));
    // an untouched new detail row is dropped when the master posts
    detail->append();
    master->edit();
    master->setText(QStringLiteral("Name"), QStringLiteral("novo"));
    master->post();
    QCOMPARE(sqlite(m_file, QStringLiteral("select count(*) from Items")), QStringLiteral("3"));
}

void TestDataSet::postedRowSurvivesAKilledProcess()
{
    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        // The child posts one row through its own connection and dies at once.
        {
            QSqlDatabase db = Database::openExisting(QStringLiteral("t.db"), QStringLiteral("child"));
            DataSet ds(db);
            ds.setTable(QStringLiteral("Strata"));
            ds.open();
            ds.append();
            ds.setInteger(QStringLiteral("Code"), 77);
            ds.post();
            raise(SIGKILL);
        }
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    QVERIFY(WIFSIGNALED(status));
    QCOMPARE(sqlite(m_file, QStringLiteral("select count(*) from Strata where Code = 77")), QStringLiteral("1"));
}

QTEST_GUILESS_MAIN(TestDataSet)
#include "tst_dataset.moc"

void TestDataSet::transactionStoresAllOrNothing_data()
{
    QTest::addColumn<bool>("fails");
    QTest::addColumn<QString>("stored");
    QTest::newRow("committed") << false << "1|um\n2|novo\n4|quatr";
    QTest::newRow("failed midway") << true << "1|um\n2|dois\n3|";
}

// Two writes and a delete in one action, the inner action joining the outer one;
// a failure after them leaves the file and the data set as before.
void TestDataSet::transactionStoresAllOrNothing()
{
    QFETCH(bool, fails);
    QFETCH(QString, stored);
    DataSet *strata = table(QStringLiteral("Strata"));
    try {
        Transaction outer(m_db, {strata});
        strata->moveTo(2);
        strata->edit();
        strata->setText(QStringLiteral("Name"), QStringLiteral("novo"));
        strata->post();
        {
            Transaction inner(m_db);
            strata->last();
            strata->remove();
            inner.commit();
        }
        strata->append();
        strata->setInteger(QStringLiteral("Code"), 4);
        strata->setText(QStringLiteral("Name"), QStringLiteral("quatr"));
        if (fails)
            strata->setText(QStringLiteral("Share"), QStringLiteral("x"));
        strata->post();
        outer.commit();
    } catch (const StepError &) {
        QVERIFY(fails);
    }
    QCOMPARE(sqlite(m_file, QStringLiteral("SELECT Code, Name FROM Strata ORDER BY Code")).trimmed(), stored);
    QCOMPARE(strata->state(), DataSet::State::Browse);
    QCOMPARE(strata->recordCount(), 3);
    QCOMPARE(strata->textAt(1, strata->fieldIndex(QStringLiteral("Name"))), fails ? "dois" : "novo");
}
