#include "common/Transaction.h"

#include "common/DataSet.h"
#include "common/StepError.h"

#include <QHash>
#include <QSqlError>

namespace {

// Open transactions per connection name; every action runs on the one window thread.
QHash<QString, int> &depths()
{
    static QHash<QString, int> open;
    return open;
}

} // namespace

Transaction::Transaction(const QSqlDatabase &db, QVector<DataSet *> reread) : m_db(db), m_reread(std::move(reread))
{
    int &depth = depths()[m_db.connectionName()];
    m_outer = depth == 0;
    if (m_outer && !m_db.transaction())
        throw StepError(m_db.lastError().text());
    ++depth;
}

Transaction::~Transaction()
{
    --depths()[m_db.connectionName()];
    if (!m_outer || m_committed)
        return;
    m_db.rollback();
    for (DataSet *ds : std::as_const(m_reread))
        if (ds->isActive())
            ds->reload();
}

void Transaction::commit()
{
    if (!m_outer) {
        m_committed = true;
        return;
    }
    if (!m_db.commit())
        throw StepError(m_db.lastError().text());
    m_committed = true;
}
