#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

class DataSet;

// The consolidated workbook of the state's current rows: our own heading
// rows 1 to 12, then from row 13 one line per row of the result, in its order.
namespace StateWorkbook {

// The fields of columns A to AB: code, name, UF and period first, then the
// indices and counts in the table's order.
const QStringList &columnFields();

// "<Municipio>-<UF>-Consolidado Estados.xlsx" from the last row of the result.
// Throws StepError as check() does.
QString fileName(const DataSet &result);

// Throws StepError "Cannot perform this operation on a closed dataset" for a
// closed result and "Field '<name>' not found" for a result lacking a column.
void check(const DataSet &result);

// Writes the workbook to `path`. Throws StepError as check() does, or with
// the writer's message; nothing is written then.
void write(const DataSet &result, const QString &path, const QDate &exported = QDate::currentDate());

} // namespace StateWorkbook
