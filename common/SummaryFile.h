#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// The summary file that carries one summary record from a municipality to its
// state: a column count line, a row count line, then one line per cell, column
// by column, every line ending CR LF, one Windows-1252 byte per character.
namespace SummaryFile {

// A table of texts. `cells[column][row]` holds the cells present; a table read
// from a file holds only what the file had (its counts may claim more), so read
// cells through cell(), which gives an empty text for every cell not held.
struct Table
{
    int columns = 0;
    int rows = 0;
    QVector<QStringList> cells;
    QString cell(int column, int row) const;
};

// The file's bytes for `table`. A line break or Ctrl-Z inside a cell becomes a
// space, so that every cell stays one line.
QByteArray serialize(const Table &table);
// Writes `table` to `path` atomically: a failed write leaves any earlier file
// of that name as it was. Throws StepError with the input/output error.
void write(const QString &path, const Table &table);

// Reads the file at `path`. Throws StepError with the input/output error when it
// cannot be read, and as parse() does.
Table read(const QString &path);
// The same rules over bytes in memory. Lines end in CR LF or LF alone, a byte
// 0x1A ends the input, cells past the last line are empty. Throws StepError
// "Invalid numeric input" for a count that is not a whole number from 0 to 2147483647.
Table parse(const QByteArray &bytes);

} // namespace SummaryFile
