#include "common/DataSetModel.h"

#include "common/DataSet.h"
#include "common/DataSource.h"
#include "common/Dialogs.h"
#include "common/StepError.h"

DataSetModel::DataSetModel(QObject *parent) : QAbstractTableModel(parent)
{}

void DataSetModel::bind(DataSource *source, const QVector<Column> &columns)
{
    m_source = source;
    m_requested = columns;
    connect(source, &DataSource::dataSetChanged, this, &DataSetModel::attach);
    attach();
}

DataSet *DataSetModel::dataSet() const
{
    return m_source ? m_source->dataSet() : nullptr;
}

void DataSetModel::attach()
{
    if (m_attached)
        disconnect(m_attached, nullptr, this, nullptr);
    m_attached = dataSet();
    const auto reset = [this] {
        beginResetModel();
        m_columns = m_requested;
        DataSet *ds = dataSet();
        if (m_columns.isEmpty() && ds && ds->isActive())
            for (int i = 0; i < ds->fieldCount(); ++i)
                m_columns.append({ds->field(i).name, ds->field(i).name, false});
        endResetModel();
    };
    if (DataSet *ds = m_attached) {
        connect(ds, &DataSet::rowsChanged, this, reset);
        connect(ds, &DataSet::stateChanged, this, reset);
        connect(ds, &DataSet::fieldChanged, this, [this] {
            DataSet *ds = dataSet();
            if (ds && ds->recNo() > 0)
                emit dataChanged(index(ds->recNo() - 1, 0), index(ds->recNo() - 1, columnCount() - 1));
        });
    }
    reset();
}

int DataSetModel::fieldOf(int column) const
{
    DataSet *ds = dataSet();
    if (!ds || !ds->isActive() || column < 0 || column >= m_columns.size())
        return -1;
    try {
        return ds->fieldIndex(m_columns[column].field);
    } catch (const StepError &) {
        return -1;
    }
}

int DataSetModel::rowCount(const QModelIndex &parent) const
{
    DataSet *ds = dataSet();
    return parent.isValid() || !ds || !ds->isActive() ? 0 : ds->recordCount();
}

int DataSetModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant DataSetModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return QVariant();
    const int field = fieldOf(index.column());
    if (field < 0)
        return QVariant();
    return dataSet()->textAt(index.row(), field);
}

QVariant DataSetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return section < m_columns.size() ? QVariant(m_columns[section].title) : QVariant();
    return section + 1;
}

Qt::ItemFlags DataSetModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() < m_columns.size() && !m_columns[index.column()].readOnly)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool DataSetModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    const int field = fieldOf(index.column());
    if (role != Qt::EditRole || field < 0)
        return false;
    DataSet *ds = dataSet();
    return Dialogs::runStep(nullptr, [&] {
        if (ds->recNo() != index.row() + 1)
            ds->moveTo(index.row() + 1);
        ds->edit();
        ds->setText(field, value.toString());
    });
}
