#pragma once

#include <QString>
#include <QStringList>

class DataSet;
class QSqlDatabase;

// Narrowing the state's result set: by IIP class, or by a statement the user types.
namespace Classification {

// "Todos", "IIP<=0,9", "1<=IIP<=3,9", "IIP>=4", in the list's order.
const QStringList &items();
// The statement of an item; empty for any other text.
QString statementFor(const QString &item);

// Reopens the result set with the statement of the item; does nothing for
// a text that is none of the items. Throws StepError with the engine's message.
void classify(DataSet &result, const QString &item);

// Runs the user's statement, one at a time. A query reopens the result set
// with it. A statement the engine rejects leaves the result set closed and
// throws its message; a statement that changes data is carried out, leaves
// the result set closed and throws "CommandText does not return a result set".
void runQuery(DataSet &result, const QSqlDatabase &db, const QString &statement);

} // namespace Classification
