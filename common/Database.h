#pragma once

#include <QSqlDatabase>
#include <QString>

#include <functional>

// Opening a program's database file: a name without a folder, looked up in
// the current folder. A missing file is an error, never a new database.
namespace Database {

// Throws StepError with the reason when the file is missing or is not a database.
QSqlDatabase openExisting(const QString &fileName, const QString &connectionName);

// Creates a new database file; refuses to touch one that exists.
QSqlDatabase createNew(const QString &fileName, const QString &connectionName);

// Creates a new database file and fills it with `fill` in one transaction.
// On any failure the new file is removed and the StepError passed on.
void createFilled(const QString &fileName, const QString &connectionName,
                  const std::function<void(QSqlDatabase &)> &fill);

// Runs statements; throws StepError with the engine's message.
void exec(QSqlDatabase &db, const QString &sql);

// Double-quoted SQL identifier.
QString quoted(const QString &identifier);

} // namespace Database
