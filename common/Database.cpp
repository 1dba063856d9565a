#include "common/Database.h"

#include "common/StepError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

namespace Database {

namespace {

QSqlDatabase connect(const QString &fileName, const QString &connectionName, const char *mode)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    // The URI form lets SQLite itself refuse to create a missing file (mode=rw).
    const QString path = QDir::current().absoluteFilePath(fileName);
    db.setDatabaseName(QStringLiteral("file:%1?mode=%2")
                           .arg(QString::fromUtf8(QUrl::toPercentEncoding(path, "/")), QLatin1String(mode)));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI"));
    if (!db.open()) {
        const QString reason = db.lastError().text();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(connectionName);
        throw StepError(QStringLiteral("Não foi possível abrir o banco de dados '%1': %2").arg(fileName, reason));
    }
    return db;
}

} // namespace

QSqlDatabase openExisting(const QString &fileName, const QString &connectionName)
{
    if (!QFileInfo(fileName).isFile())
        throw StepError(QStringLiteral("O banco de dados '%1' não foi encontrado na pasta '%2'.")
                            .arg(fileName, QDir::currentPath()));
    QSqlDatabase db = connect(fileName, connectionName, "rw");
    // A file that is not an SQLite database fails on its first read.
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
        const QSqlError failure = probe.lastError();
        probe = QSqlQuery();
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(connectionName);
        // SQLITE_BUSY and SQLITE_LOCKED: a sound file that another program holds.
        const QString code = failure.nativeErrorCode();
        if (code == QLatin1String("5") || code == QLatin1String("6"))
            throw StepError(
                QStringLiteral("O banco de dados '%1' está em uso por outro programa. Feche-o e tente novamente.")
                    .arg(fileName));
        throw StepError(
            QStringLiteral("O arquivo '%1' não é um banco de dados válido: %2").arg(fileName, failure.text()));
    }
    return db;
}

QSqlDatabase createNew(const QString &fileName, const QString &connectionName)
{
    if (QFileInfo::exists(fileName))
        throw StepError(QStringLiteral("O arquivo '%1' já existe; nada foi alterado.").arg(fileName));
    return connect(fileName, connectionName, "rwc");
}

void createFilled(const QString &fileName, const QString &connectionName,
                  const std::function<void(QSqlDatabase &)> &fill)
{
    {
        QSqlDatabase db = createNew(fileName, connectionName);
        try {
            db.transaction();
            fill(db);
            if (!db.commit())
                throw StepError(db.lastError().text());
        } catch (const StepError &) {
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(connectionName);
            QFile::remove(fileName);
            throw;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
}

void exec(QSqlDatabase &db, const QString &sql)
{
    QSqlQuery query(db);
    if (!query.exec(sql))
        throw StepError(query.lastError().text());
}

QString quoted(const QString &identifier)
{
    QString text = identifier;
    text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace Database
