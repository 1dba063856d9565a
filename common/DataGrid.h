#pragma once

#include "common/DataSetModel.h"

#include <QTableView>

// A grid over a data set whose selected row is the data set's current row.
class DataGrid : public QTableView
{
    Q_OBJECT

public:
    explicit DataGrid(QWidget *parent = nullptr);
    void bind(DataSource *source, const QVector<DataSetModel::Column> &columns = {});

private:
    void followDataSet();

    DataSetModel *m_model;
};
