#include "common/DataGrid.h"

#include "common/DataSet.h"
#include "common/DataSource.h"
#include "common/Dialogs.h"

#include <QAbstractButton>

DataGrid::DataGrid(QWidget *parent) : QTableView(parent), m_model(new DataSetModel(this))
{
    setModel(m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // One row at a time: the corner's "select all" has nothing to do.
    setCornerButtonEnabled(false);
    for (QAbstractButton *corner : findChildren<QAbstractButton *>())
        corner->setAccessibleName(QStringLiteral("Selecionar tudo"));
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex &current) {
        DataSet *ds = m_model->dataSet();
        if (ds && ds->isActive() && current.isValid() && ds->recNo() != current.row() + 1)
            Dialogs::runStep(this, [&] { ds->moveTo(current.row() + 1); });
    });
    connect(m_model, &QAbstractItemModel::modelReset, this, &DataGrid::followDataSet);
}

void DataGrid::bind(DataSource *source, const QVector<DataSetModel::Column> &columns)
{
    m_model->bind(source, columns);
    const auto attach = [this] {
        if (DataSet *ds = m_model->dataSet())
            connect(ds, &DataSet::recordChanged, this, &DataGrid::followDataSet, Qt::UniqueConnection);
        followDataSet();
    };
    connect(source, &DataSource::dataSetChanged, this, attach);
    attach();
}

void DataGrid::followDataSet()
{
    DataSet *ds = m_model->dataSet();
    if (!ds || !ds->isActive() || ds->recNo() == 0)
        return;
    const QModelIndex target = m_model->index(ds->recNo() - 1, std::max(currentIndex().column(), 0));
    if (currentIndex().row() != target.row()) {
        const QSignalBlocker blocker(selectionModel());
        setCurrentIndex(target);
        viewport()->update();
    }
}
