#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

class DataSet;

// Import of summary files into the state's result set: one new row per file.
namespace KavelImport {

// The 28 texts of the summary record in a file: column 0, rows 0 to 27.
// Throws StepError when the file cannot be read, its counts are not whole
// numbers, or it holds no record at all (every one of the 28 texts empty).
QStringList recordTexts(const QString &path);

// Puts a text into a field of the pending new row, as typing it would.
using Typist = std::function<void(int field, const QString &text)>;

// Appends a new row to `result`, puts the 28 texts into its fields through
// `type` (straight into the fields when none is given) and posts it. Throws
// StepError when a text does not fit its field; the row then stays pending.
void appendRecord(DataSet &result, const QStringList &texts, const Typist &type = {});

struct Outcome
{
    QString path;
    QString reason; // empty when the file's row was added
};

// Imports several files one after the other in one transaction. Each file
// adds its whole row or nothing; a refused file leaves no pending row.
QVector<Outcome> importFiles(DataSet &result, const QSqlDatabase &db, const QStringList &paths);

// One line per file: its name and "importado" or the reason it was refused.
QString report(const QVector<Outcome> &outcomes);

} // namespace KavelImport
