#pragma once

#include <QSqlDatabase>

#include <functional>

class DataSet;

namespace KavelDeletion {

// "Apagar todo o BD": reopens the result set with its statement and, when it
// holds rows and `confirm` (told their number) agrees, deletes every one of
// them in one transaction. Returns the number of rows deleted. Throws
// StepError with the engine's message; nothing is deleted then.
int deleteResultRows(DataSet &result, const QSqlDatabase &db, const std::function<bool(int rows)> &confirm);

} // namespace KavelDeletion
