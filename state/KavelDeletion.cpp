#include "state/KavelDeletion.h"

#include "common/DataSet.h"
#include "common/Transaction.h"

namespace KavelDeletion {

int deleteResultRows(DataSet &result, const QSqlDatabase &db, const std::function<bool(int rows)> &confirm)
{
    result.close();
    result.open();
    const int rows = result.recordCount();
    if (rows == 0 || !confirm(rows))
        return 0;
    Transaction transaction(db, {&result});
    while (result.recordCount() > 0)
        result.remove();
    transaction.commit();
    return rows;
}

} // namespace KavelDeletion
