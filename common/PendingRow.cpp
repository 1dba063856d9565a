#include "common/PendingRow.h"

#include "common/DataSet.h"
#include "common/StepError.h"
#include "common/Transaction.h"

#include <optional>

PendingRow::PendingRow(const DataSet &ds) : m_new(ds.state() == DataSet::State::Insert), m_recNo(ds.recNo())
{
    for (int i = 0; i < ds.fieldCount(); ++i)
        m_values << ds.value(i);
}

void PendingRow::restore(DataSet &ds) const
{
    if (m_new) {
        ds.append();
    } else {
        ds.moveTo(m_recNo);
        ds.edit();
    }
    for (int i = 0; i < m_values.size(); ++i) {
        const QVariant &v = m_values[i];
        if (v == ds.value(i))
            continue;
        if (v.isNull())
            ds.clear(i);
        else if (ds.field(i).type == FieldType::Integer)
            ds.setInteger(i, v.toLongLong());
        else if (ds.field(i).type == FieldType::Float)
            ds.setFloat(i, v.toDouble());
        else
            ds.setText(i, v.toString());
    }
}

void storeTogether(const QSqlDatabase &db, DataSet &editing, const QVector<DataSet *> &reread,
                   const std::function<void()> &writes)
{
    const std::optional<PendingRow> pending =
        editing.isEditing() ? std::optional<PendingRow>(PendingRow(editing)) : std::nullopt;
    try {
        Transaction transaction(db, QVector<DataSet *>(reread) << &editing);
        writes();
        transaction.commit();
    } catch (const StepError &) {
        if (pending && editing.isActive())
            pending->restore(editing);
        throw;
    }
}
