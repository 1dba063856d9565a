#include "state/PositionLabel.h"

#include "common/DataSet.h"

namespace PositionLabel {

int position(const DataSet &ds)
{
    if (!ds.isActive() || ds.isEmpty() || ds.state() == DataSet::State::Insert)
        return -1;
    return ds.recNo();
}

int count(const DataSet &ds)
{
    return ds.isActive() ? ds.recordCount() : 0;
}

QString text(const DataSet &ds)
{
    return QStringLiteral("Registro n°  %1  de  %2").arg(position(ds)).arg(count(ds));
}

} // namespace PositionLabel
