#pragma once

#include <QSqlDatabase>
#include <QString>

// Opening a program's database file: a name without a folder, looked up in
// the current folder. A missing file is an error, never a new database.
namespace Database {

// Throws StepError with the reason when the file is missing or is not a database.
QSqlDatabase openExisting(const QString &fileName, const QString &connectionName);

// Creates a new database file; refuses to touch one that exists.
QSqlDatabase createNew(const QString &fileName, const QString &connectionName);

// Runs statements; throws StepError with the engine's message.
void exec(QSqlDatabase &db, const QString &sql);

// Double-quoted SQL identifier.
QString quoted(const QString &identifier);

} // namespace Database
