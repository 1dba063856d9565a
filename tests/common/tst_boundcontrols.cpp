#include "common/BoundLineEdit.h"
#include "common/DataGrid.h"
#include "common/DataSet.h"
#include "common/DataSource.h"
#include "common/Database.h"
#include "common/Dialogs.h"
#include "common/NavigatorBar.h"
#include "common/Translations.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

using TestSupport::findByCaption;
using TestSupport::sqlite;

// One window with an edit box, a navigator and a grid over the same table.
class TestBoundControls : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        Dialogs::setScripted(true);
        Dialogs::clearShown();
        m_folder = std::make_unique<TestSupport::WorkFolder>();
        {
            QSqlDatabase db = Database::createNew(QStringLiteral("b.db"), QStringLiteral("create"));
            Database::exec(db, QStringLiteral("CREATE TABLE T (\"Nome\" TEXT(10), \"Valor\" FLOAT)"));
            Database::exec(db, QStringLiteral("INSERT INTO T VALUES ('a', 1.5), ('b', 2), ('c', NULL)"));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("create"));
        m_db = Database::openExisting(QStringLiteral("b.db"), QStringLiteral("bound"));
        m_ds = new DataSet(m_db);
        m_ds->setTable(QStringLiteral("T"));
        m_ds->open();
        m_source = new DataSource(m_ds);
        m_window = new QWidget;
        auto *layout = new QVBoxLayout(m_window);
        m_name = new BoundLineEdit(m_window);
        m_name->bind(m_source, QStringLiteral("Nome"));
        m_name->setAccessibleName(QStringLiteral("Nome"));
        m_value = new BoundLineEdit(m_window);
        m_value->bind(m_source, QStringLiteral("Valor"));
        m_value->setAccessibleName(QStringLiteral("Valor"));
        m_nav = new NavigatorBar(m_window);
        m_nav->bind(m_source);
        m_grid = new DataGrid(m_window);
        m_grid->bind(m_source, {{QStringLiteral("Nome"), QStringLiteral("Nome"), false},
                                {QStringLiteral("Valor"), QStringLiteral("Valor"), false}});
        for (QWidget *w : {static_cast<QWidget *>(m_name), static_cast<QWidget *>(m_value),
                           static_cast<QWidget *>(m_nav), static_cast<QWidget *>(m_grid)})
            layout->addWidget(w);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }

    void cleanup()
    {
        delete m_window;
        delete m_source;
        delete m_ds;
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("bound"));
        m_folder.reset();
    }

    void boxesShowAndWriteTheCurrentRow()
    {
        QCOMPARE(m_name->text(), QStringLiteral("a"));
        QCOMPARE(m_value->text(), TestSupport::local(QStringLiteral("1.5")));
        m_value->setFocus();
        m_value->selectAll();
        QTest::keyClicks(m_value, TestSupport::local(QStringLiteral("7.25")));
        QVERIFY(m_ds->isEditing());
        // still only typed: the move posts it
        clickHint(QStringLiteral("Próximo registro"));
        QCOMPARE(m_name->text(), QStringLiteral("b"));
        QCOMPARE(sqlite(m_folder->file(QStringLiteral("b.db")), QStringLiteral("select Valor from T where Nome = 'a'")),
                 QStringLiteral("7.25"));
    }

    void refusedTextKeepsTheRowInEdit()
    {
        m_value->setFocus();
        m_value->selectAll();
        QTest::keyClicks(m_value, QStringLiteral("x1"));
        clickHint(QStringLiteral("Gravar registro"));
        QCOMPARE(Dialogs::shown().size(), 1);
        QVERIFY(Dialogs::shown().first().text.contains(QStringLiteral("'x1'")));
        QVERIFY(m_ds->isEditing());
        QCOMPARE(m_value->text(), QStringLiteral("x1")); // what the user typed is not lost
        clickHint(QStringLiteral("Cancelar edição"));
        QCOMPARE(m_value->text(), TestSupport::local(QStringLiteral("1.5")));
    }

    void navigatorEnablesItsMoves()
    {
        QVERIFY(!button(QStringLiteral("Primeiro registro"))->isEnabled());
        QVERIFY(button(QStringLiteral("Último registro"))->isEnabled());
        clickHint(QStringLiteral("Último registro"));
        QCOMPARE(m_ds->recNo(), 3);
        QVERIFY(!button(QStringLiteral("Próximo registro"))->isEnabled());
        QVERIFY(button(QStringLiteral("Registro anterior"))->isEnabled());
        QCOMPARE(m_grid->currentIndex().row(), 2); // the grid follows

        Dialogs::answerNext(true);
        clickHint(QStringLiteral("Excluir registro"));
        QCOMPARE(Dialogs::shown().first().text, QStringLiteral("Deletar este registro?"));
        QCOMPARE(sqlite(m_folder->file(QStringLiteral("b.db")), QStringLiteral("select count(*) from T")),
                 QStringLiteral("2"));
        Dialogs::answerNext(false);
        clickHint(QStringLiteral("Excluir registro"));
        QCOMPARE(sqlite(m_folder->file(QStringLiteral("b.db")), QStringLiteral("select count(*) from T")),
                 QStringLiteral("2"));
        QCOMPARE(TestSupport::unnamedControls(m_window), QStringList());
    }

    void gridSelectsAndEditsRows()
    {
        QCOMPARE(m_grid->model()->rowCount(), 3);
        QCOMPARE(m_grid->model()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Valor"));
        m_grid->setCurrentIndex(m_grid->model()->index(1, 0));
        QCOMPARE(m_ds->recNo(), 2);
        QCOMPARE(m_name->text(), QStringLiteral("b"));
        QVERIFY(m_grid->model()->setData(m_grid->model()->index(2, 0), QStringLiteral("z"), Qt::EditRole));
        QCOMPARE(m_ds->recNo(), 3);
        m_ds->post();
        QCOMPARE(sqlite(m_folder->file(QStringLiteral("b.db")), QStringLiteral("select Nome from T where rowid = 3")),
                 QStringLiteral("z"));
        // a text wider than the column is refused: the model says why, the grid shows it
        QVERIFY(!m_grid->model()->setData(m_grid->model()->index(2, 0), QStringLiteral("onze letras"), Qt::EditRole));
        QVERIFY(m_grid->dataModel()->takeRefusal().contains(QStringLiteral("'onze letras'")));
        QCOMPARE(Dialogs::shown().size(), 0);
        m_grid->setFocus();
        m_grid->edit(m_grid->model()->index(2, 0));
        auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("onze letras"));
        QTest::keyClick(editor, Qt::Key_Tab);
        QCOMPARE(Dialogs::shown().size(), 1);
    }

    void standardDialogsSpeakPortuguese()
    {
        QVERIFY(Translations::installPortuguese(*qApp));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes").remove(QLatin1Char('&')), QStringLiteral("Sim"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&No").remove(QLatin1Char('&')), QStringLiteral("Não"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancelar"));
    }

private:
    QToolButton *button(const QString &hint) { return qobject_cast<QToolButton *>(findByCaption(m_window, hint)); }
    void clickHint(const QString &hint)
    {
        QToolButton *b = button(hint);
        QVERIFY2(b && b->isEnabled(), qPrintable(hint));
        QTest::mouseClick(b, Qt::LeftButton);
    }

    std::unique_ptr<TestSupport::WorkFolder> m_folder;
    QSqlDatabase m_db;
    DataSet *m_ds = nullptr;
    DataSource *m_source = nullptr;
    QWidget *m_window = nullptr;
    BoundLineEdit *m_name = nullptr;
    BoundLineEdit *m_value = nullptr;
    NavigatorBar *m_nav = nullptr;
    DataGrid *m_grid = nullptr;
};

QTEST_MAIN(TestBoundControls)
#include "tst_boundcontrols.moc"
