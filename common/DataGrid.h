#pragma once

#include "common/DataSetModel.h"

#include <QTableView>

// A grid over a data set whose selected row is the data set's current row.
// It is typed like a spreadsheet: Tab and Enter store the cell and go on to
// the next one; a value the data set refuses is reported and stays in its
// editor to be corrected.
class DataGrid : public QTableView
{
    Q_OBJECT

public:
    explicit DataGrid(QWidget *parent = nullptr);
    void bind(DataSource *source, const QVector<DataSetModel::Column> &columns = {});
    DataSetModel *dataModel() const { return m_model; }
    // Stores the text of an open cell editor before a button acts on the rows;
    // false when the value was refused (the message has been shown).
    bool submitEditor();

protected:
    void commitData(QWidget *editor) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void followDataSet();

    DataSetModel *m_model;
    QString m_refusal; // the message of a value refused by the last commit
    bool m_reporting = false;
};
