#include "common/DataGrid.h"
#include "common/DataSet.h"
#include "common/DataSource.h"
#include "common/Database.h"
#include "common/Dialogs.h"
#include "tests/support/TestSupport.h"

#include <QAbstractItemModelTester>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using TestSupport::sqlite;

// The grid model over a data set, checked by Qt's model tester while the data
// set changes, and typed into through a real grid as a user types.
class TestDataSetModel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void modelFollowsEveryChange();
    void signalsOfEachOperation_data();
    void signalsOfEachOperation();
    void tabStoresEachValueInItsColumn_data();
    void tabStoresEachValueInItsColumn();
    void enterGoesOnToTheNextCell();
    void refusedValueIsReportedByTheGrid();
    void cancelledNewRowIsNeverStored();

private:
    DataSet *open(const QString &table);
    DataGrid *grid(DataSet *ds, const QVector<DataSetModel::Column> &columns = {});
    QLineEdit *editor(DataGrid *grid);
    // Types as a user does: each key goes to whatever has the focus.
    static void type(const QString &text);

    std::unique_ptr<TestSupport::WorkFolder> m_folder;
    QSqlDatabase m_db;
    QString m_file;
    std::unique_ptr<QWidget> m_window;
};

void TestDataSetModel::init()
{
    Dialogs::setScripted(true);
    Dialogs::clearShown();
    m_folder = std::make_unique<TestSupport::WorkFolder>();
    m_file = m_folder->file(QStringLiteral("m.db"));
    {
        QSqlDatabase db = Database::createNew(QStringLiteral("m.db"), QStringLiteral("create"));
        for (
            const char *sql : {
                R"(CREATE TABLE "Contagens" ("Estrato" INTEGER, "ImoveisProgramados" INTEGER,
                    "ImoveisInspecionados" INTEGER, "ImoveisComAegTB" INTEGER, "ImoveisComAegOutros" INTEGER,
                    "DepositoAegA1" INTEGER))",
                R"(INSERT INTO "Contagens" ("Estrato", "ImoveisProgramados") VALUES (1, 220), (2, 180))",
                R"(CREATE TABLE "Bairros" ("Estrato" INTEGER, "Bairro" TEXT(35), "Quarteirao" TEXT(5),
                    "Total" INTEGER, "Obs" TEXT))",
                R"(INSERT INTO "Bairros" VALUES (1, 'Centro', '1', 10, ''), (1, 'Boa Vista', '2', 8, ''), (2, 'Várzea', '3', 5, ''))",
            })
            Database::exec(db, QString::fromUtf8(sql));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("create"));
    m_db = Database::openExisting(QStringLiteral("m.db"), QStringLiteral("model"));
    m_window = std::make_unique<QWidget>();
}

void TestDataSetModel::cleanup()
{
    m_window.reset();
    for (DataSet *ds : findChildren<DataSet *>())
        delete ds;
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("model"));
    m_folder.reset();
    Dialogs::clearShown();
}

DataSet *TestDataSetModel::open(const QString &table)
{
    auto *ds = new DataSet(m_db, this);
    ds->setTable(table);
    ds->open();
    return ds;
}

DataGrid *TestDataSetModel::grid(DataSet *ds, const QVector<DataSetModel::Column> &columns)
{
    auto *source = new DataSource(ds, m_window.get());
    auto *g = new DataGrid(m_window.get());
    g->bind(source, columns);
    g->resize(700, 300);
    m_window->resize(720, 320);
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window.get()))
        return nullptr;
    return g;
}

void TestDataSetModel::type(const QString &text)
{
    for (const QChar c : text)
        QTest::keyClicks(QApplication::focusWidget(), QString(c));
}

QLineEdit *TestDataSetModel::editor(DataGrid *grid)
{
    // The open editor has the focus; a closed one may wait for its deletion.
    auto *edit = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    return edit && grid->viewport()->isAncestorOf(edit) ? edit : nullptr;
}

void TestDataSetModel::modelFollowsEveryChange()
{
    DataSet *master = open(QStringLiteral("Contagens"));
    auto *ds = new DataSet(m_db, this);
    ds->setTable(QStringLiteral("Bairros"));
    ds->setMaster(master, QStringLiteral("Estrato"), QStringLiteral("Estrato"));
    ds->open();
    DataSource source(ds);
    DataSetModel model;
    model.bind(&source);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QCOMPARE(model.rowCount(), 2);

    ds->append();
    ds->setText(QStringLiteral("Bairro"), QStringLiteral("Novo"));
    QCOMPARE(model.rowCount(), 3);
    ds->post();
    ds->first();
    ds->insert(); // a new row before the first
    QCOMPARE(model.rowCount(), 4);
    QCOMPARE(model.index(1, 1).data().toString(), QStringLiteral("Centro"));
    ds->cancel();
    QCOMPARE(model.rowCount(), 3);
    ds->edit();
    ds->setText(QStringLiteral("Bairro"), QStringLiteral("Mudado"));
    QCOMPARE(model.index(0, 1).data().toString(), QStringLiteral("Mudado"));
    ds->cancel();
    QCOMPARE(model.index(0, 1).data().toString(), QStringLiteral("Centro"));
    ds->moveTo(2);
    ds->remove();
    QCOMPARE(model.rowCount(), 2);
    master->next(); // the detail follows its master: stratum 2 has one neighbourhood
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.index(0, 1).data().toString(), QStringLiteral("Várzea"));
    master->first();
    ds->refresh();
    QCOMPARE(model.rowCount(), 2);
    ds->close();
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.columnCount(), 0);
    ds->open();
    QCOMPARE(model.columnCount(), 5);
    ds->deleteAll();
    QCOMPARE(model.rowCount(), 0);
}

void TestDataSetModel::signalsOfEachOperation_data()
{
    QTest::addColumn<QString>("operation");
    // rowsChanged, recordChanged, stateChanged, rowInserted, rowRemoved, rowsReread
    QTest::addColumn<QVector<int>>("counts");
    QTest::newRow("edit") << "edit" << QVector<int>{0, 0, 1, 0, 0, 0};
    QTest::newRow("edit and post") << "post" << QVector<int>{0, 0, 2, 0, 0, 0};
    QTest::newRow("edit and cancel") << "cancel" << QVector<int>{0, 1, 2, 0, 0, 0};
    QTest::newRow("append") << "append" << QVector<int>{1, 1, 1, 1, 0, 0};
    QTest::newRow("append and cancel") << "appendCancel" << QVector<int>{2, 2, 2, 1, 1, 0};
    QTest::newRow("remove") << "remove" << QVector<int>{1, 1, 1, 0, 1, 0};
    QTest::newRow("next") << "next" << QVector<int>{0, 1, 0, 0, 0, 0};
    QTest::newRow("refresh") << "refresh" << QVector<int>{1, 1, 0, 0, 0, 1};
}

void TestDataSetModel::signalsOfEachOperation()
{
    QFETCH(QString, operation);
    QFETCH(QVector<int>, counts);
    DataSet *ds = open(QStringLiteral("Contagens"));
    QSignalSpy rows(ds, &DataSet::rowsChanged);
    QSignalSpy record(ds, &DataSet::recordChanged);
    QSignalSpy state(ds, &DataSet::stateChanged);
    QSignalSpy inserted(ds, &DataSet::rowInserted);
    QSignalSpy removed(ds, &DataSet::rowRemoved);
    QSignalSpy reread(ds, &DataSet::rowsReread);
    const auto change = [ds] { ds->setInteger(QStringLiteral("ImoveisInspecionados"), 7); };
    if (operation == QLatin1String("edit")) {
        ds->edit();
        change();
    } else if (operation == QLatin1String("post")) {
        ds->edit();
        change();
        ds->post();
    } else if (operation == QLatin1String("cancel")) {
        ds->edit();
        change();
        ds->cancel();
    } else if (operation == QLatin1String("append")) {
        ds->append();
    } else if (operation == QLatin1String("appendCancel")) {
        ds->append();
        ds->cancel();
    } else if (operation == QLatin1String("remove")) {
        ds->remove();
    } else if (operation == QLatin1String("next")) {
        ds->next();
    } else if (operation == QLatin1String("refresh")) {
        ds->refresh();
    }
    const QVector<int> got{int(rows.size()),     int(record.size()),  int(state.size()),
                           int(inserted.size()), int(removed.size()), int(reread.size())};
    QCOMPARE(got, counts);
}

void TestDataSetModel::tabStoresEachValueInItsColumn_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("startColumn");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("check");
    QTest::addColumn<QString>("expected");
    QTest::newRow("counts from Insp.") << "Contagens" << 2 << QStringList{"500", "10", "3"}
                                       << "select Estrato, ImoveisProgramados, ImoveisInspecionados, "
                                          "ImoveisComAegTB, ImoveisComAegOutros from Contagens where rowid = 1"
                                       << "1|220|500|10|3";
    QTest::newRow("texts and a count") << "Bairros" << 1 << QStringList{"Jardim", "7A", "12"}
                                       << "select Estrato, Bairro, Quarteirao, Total from Bairros where rowid = 1"
                                       << "1|Jardim|7A|12";
}

void TestDataSetModel::tabStoresEachValueInItsColumn()
{
    QFETCH(QString, table);
    QFETCH(int, startColumn);
    QFETCH(QStringList, typed);
    QFETCH(QString, check);
    QFETCH(QString, expected);
    DataSet *ds = open(table);
    DataGrid *g = grid(ds);
    QVERIFY(g);
    QAbstractItemModelTester tester(g->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    g->setFocus();
    g->setCurrentIndex(g->model()->index(0, startColumn));
    for (const QString &text : typed) {
        // Typing over a cell opens its editor; Tab stores it and opens the next one.
        type(text);
        QLineEdit *open = editor(g);
        QVERIFY2(open, qPrintable(text));
        QCOMPARE(open->text(), text);
        QTest::keyClick(open, Qt::Key_Tab);
        QCOMPARE(g->currentIndex().row(), 0);
    }
    QCOMPARE(g->currentIndex().column(), startColumn + int(typed.size()));
    QVERIFY(editor(g));       // the next cell is open for typing
    QVERIFY(ds->isEditing()); // the row is stored when it is left
    QVERIFY(sqlite(m_file, check) != expected);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTest::keyClick(g, Qt::Key_Down);
    QCOMPARE(ds->recNo(), 2);
    QCOMPARE(sqlite(m_file, check), expected);
    QCOMPARE(Dialogs::shown().size(), 0);
}

void TestDataSetModel::enterGoesOnToTheNextCell()
{
    DataSet *ds = open(QStringLiteral("Contagens"));
    DataGrid *g = grid(ds);
    QVERIFY(g);
    g->setFocus();
    g->setCurrentIndex(g->model()->index(1, 2));
    type(QStringLiteral("170"));
    QTest::keyClick(editor(g), Qt::Key_Return);
    QTRY_COMPARE(g->currentIndex().column(), 3);
    QCOMPARE(g->currentIndex().row(), 1);
    type(QStringLiteral("4"));
    QTest::keyClick(editor(g), Qt::Key_Enter);
    QTRY_COMPARE(g->currentIndex().column(), 4);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTest::keyClick(g, Qt::Key_Up);
    QCOMPARE(
        sqlite(m_file, QStringLiteral("select ImoveisInspecionados, ImoveisComAegTB from Contagens where rowid = 2")),
        QStringLiteral("170|4"));
}

void TestDataSetModel::refusedValueIsReportedByTheGrid()
{
    DataSet *ds = open(QStringLiteral("Contagens"));
    DataGrid *g = grid(ds);
    QVERIFY(g);
    g->setFocus();
    g->setCurrentIndex(g->model()->index(0, 2));
    type(QStringLiteral("12x"));
    QTest::keyClick(editor(g), Qt::Key_Tab);
    QCOMPARE(Dialogs::shown().size(), 1);
    QCOMPARE(Dialogs::shown().first().kind, QStringLiteral("error"));
    QCOMPARE(Dialogs::shown().first().text,
             QStringLiteral("'12x' is not a valid integer value for field 'ImoveisInspecionados'"));
    // The typed text waits in its cell to be corrected.
    QCOMPARE(g->currentIndex().column(), 2);
    QVERIFY(editor(g));
    QCOMPARE(editor(g)->text(), QStringLiteral("12x"));
    editor(g)->selectAll();
    QTest::keyClicks(editor(g), QStringLiteral("12"));
    QTest::keyClick(editor(g), Qt::Key_Tab);
    QCOMPARE(g->currentIndex().column(), 3);
    QCOMPARE(ds->asText(QStringLiteral("ImoveisInspecionados")), QStringLiteral("12"));
}

QTEST_MAIN(TestDataSetModel)
// A new row that the program fills and then drops while a grid shows the
// data set: the grid's current cell moves with the removed row, and that
// move must not store the half-filled row.
void TestDataSetModel::cancelledNewRowIsNeverStored()
{
    DataSet *ds = open(QStringLiteral("Contagens"));
    DataGrid *g = grid(ds);
    QVERIFY(g);
    ds->last();
    ds->append();
    ds->setInteger(QStringLiteral("Estrato"), 3);
    ds->cancel();
    QCOMPARE(sqlite(m_file, QStringLiteral("select count(*) from Contagens")), QStringLiteral("2"));
    QCOMPARE(ds->recordCount(), 2);
    QCOMPARE(g->model()->rowCount(), 2);
    QCOMPARE(g->currentIndex().row(), ds->recNo() - 1);
}

#include "tst_datasetmodel.moc"
