#include "common/InstanceLock.h"
#include "common/StepError.h"
#include "tests/support/TestSupport.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

namespace {

const QString program = QStringLiteral(NUBREL_BIN_DIR "/Nubrel2012Municipios");
const QString database = QStringLiteral("Nubrel2012Municipios.db");

QByteArray digest(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// The process id that the lock beside the database names, or 0.
qint64 lockOwner(const TestSupport::WorkFolder &folder)
{
    QFile lock(folder.file(database + QStringLiteral(".lock")));
    if (!lock.open(QIODevice::ReadOnly))
        return 0;
    return lock.readLine().trimmed().toLongLong();
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void secondProgramOnTheSameDatabaseIsRefused_data()
    {
        QTest::addColumn<bool>("killed");
        QTest::newRow("first terminated") << false;
        QTest::newRow("first killed") << true;
    }

    void secondProgramOnTheSameDatabaseIsRefused()
    {
        QFETCH(bool, killed);
        TestSupport::WorkFolder folder;
        folder.initMunicipalDatabase();
        QProcess first;
        first.setWorkingDirectory(folder.path());
        first.start(program, {});
        QVERIFY(first.waitForStarted());
        QTRY_COMPARE_WITH_TIMEOUT(lockOwner(folder), first.processId(), 20000);
        const QByteArray before = digest(folder.file(database));

        QString err;
        QCOMPARE(TestSupport::run(program, {}, folder.path(), nullptr, &err), 1);
        QVERIFY2(err.contains(QStringLiteral("O banco de dados 'Nubrel2012Municipios.db' já está aberto por outro "
                                             "programa Nubrel.")),
                 qPrintable(err));
        QCOMPARE(digest(folder.file(database)), before);
        QCOMPARE(first.state(), QProcess::Running);

        // once the first is gone, even without a chance to clean up, the next one starts
        if (killed)
            first.kill();
        else
            first.terminate();
        QVERIFY(first.waitForFinished());
        QProcess next;
        next.setWorkingDirectory(folder.path());
        next.start(program, {});
        QVERIFY(next.waitForStarted());
        QTRY_COMPARE_WITH_TIMEOUT(lockOwner(folder), next.processId(), 20000);
        QTest::qWait(300);
        QCOMPARE(next.state(), QProcess::Running);
        next.kill();
        next.waitForFinished();
    }

    void lockIsReleasedWithItsProgram()
    {
        TestSupport::WorkFolder folder;
        {
            InstanceLock held(database);
            QVERIFY_THROWS_EXCEPTION(StepError, InstanceLock second(database));
        }
        InstanceLock again(database);
        QCOMPARE(lockOwner(folder), QCoreApplication::applicationPid());
    }

    void databaseLockedByAnotherProgramIsInUse()
    {
        TestSupport::WorkFolder folder;
        folder.initMunicipalDatabase();
        {
            QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
            other.setDatabaseName(folder.file(database));
            QVERIFY(other.open());
            QSqlQuery lock(other);
            QVERIFY(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));
            QString err;
            QCOMPARE(TestSupport::run(program, {}, folder.path(), nullptr, &err), 1);
            QVERIFY2(err.contains(QStringLiteral("O banco de dados 'Nubrel2012Municipios.db' está em uso por outro "
                                                 "programa.")),
                     qPrintable(err));
            QVERIFY2(!err.contains(QStringLiteral("não é um banco de dados válido")), qPrintable(err));
            QVERIFY(lock.exec(QStringLiteral("ROLLBACK")));
            lock = QSqlQuery();
            other.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("other"));
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
