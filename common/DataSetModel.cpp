#include "common/DataSetModel.h"

#include "common/DataSet.h"
#include "common/DataSource.h"
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
    if (DataSet *ds = m_attached) {
        connect(ds, &DataSet::rowsAboutToBeReread, this, [this] {
            if (!m_resetting) {
                m_resetting = true;
                beginResetModel();
            }
        });
        connect(ds, &DataSet::rowsReread, this, &DataSetModel::reread);
        connect(ds, &DataSet::rowAboutToBeInserted, this, [this](int row) {
            m_changingRows = true;
            beginInsertRows({}, row, row);
        });
        connect(ds, &DataSet::rowInserted, this, [this] {
            ++m_rows;
            endInsertRows();
            m_changingRows = false;
        });
        connect(ds, &DataSet::rowAboutToBeRemoved, this, [this](int row) {
            m_changingRows = true;
            beginRemoveRows({}, row, row);
        });
        connect(ds, &DataSet::rowRemoved, this, [this] {
            --m_rows;
            endRemoveRows();
            m_changingRows = false;
        });
        // A written field changes its cells; a stored or cancelled edit may
        // change the whole row. Starting an edit changes no value, so an open
        // editor keeps what is being typed.
        connect(ds, &DataSet::fieldChanged, this, &DataSetModel::fieldChanged);
        connect(ds, &DataSet::stateChanged, this, [this] {
            if (dataSet() && dataSet()->state() == DataSet::State::Browse)
                currentRowChanged();
        });
        // Opening and closing change the columns shown when none were requested.
        connect(ds, &DataSet::stateChanged, this, [this] {
            DataSet *ds = dataSet();
            if (m_requested.isEmpty() && ds && (ds->isActive() != !m_columns.isEmpty())) {
                m_resetting = true;
                beginResetModel();
                reread();
            }
        });
    }
    m_resetting = true;
    beginResetModel();
    reread();
}

void DataSetModel::reread()
{
    if (!m_resetting) {
        m_resetting = true;
        beginResetModel();
    }
    m_columns = m_requested;
    DataSet *ds = dataSet();
    if (m_columns.isEmpty() && ds && ds->isActive())
        for (int i = 0; i < ds->fieldCount(); ++i)
            m_columns.append({ds->field(i).name, ds->field(i).name, false});
    m_rows = ds && ds->isActive() ? ds->recordCount() : 0;
    endResetModel();
    m_resetting = false;
}

void DataSetModel::currentRowChanged()
{
    DataSet *ds = dataSet();
    if (m_resetting || !ds || m_columns.isEmpty())
        return;
    const int row = ds->recNo() - 1;
    if (row >= 0 && row < m_rows)
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void DataSetModel::fieldChanged(int field)
{
    DataSet *ds = dataSet();
    const int row = ds ? ds->recNo() - 1 : -1;
    if (m_resetting || row < 0 || row >= m_rows)
        return;
    for (int column = 0; column < m_columns.size(); ++column)
        if (fieldOf(column) == field)
            emit dataChanged(index(row, column), index(row, column));
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
    return parent.isValid() ? 0 : m_rows;
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
    if (field < 0 || index.row() >= m_rows)
        return QVariant();
    return dataSet()->textAt(index.row(), field);
}

QVariant DataSetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < m_columns.size() ? QVariant(m_columns[section].title) : QVariant();
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
    if (role != Qt::EditRole || field < 0 || index.row() >= m_rows)
        return false;
    DataSet *ds = dataSet();
    try {
        if (ds->recNo() != index.row() + 1)
            ds->moveTo(index.row() + 1);
        ds->edit();
        ds->setText(field, value.toString());
        return true;
    } catch (const StepError &e) {
        m_refusal = e.message();
        return false;
    }
}

QString DataSetModel::takeRefusal()
{
    return std::exchange(m_refusal, QString());
}
