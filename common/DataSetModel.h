#pragma once

#include <QAbstractTableModel>
#include <QPointer>

class DataSet;
class DataSource;

// A table model over the rows of a data set, for grids. Each column shows
// one field, with a title; editing a cell moves to its row and writes the text.
class DataSetModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    struct Column
    {
        QString field;
        QString title;
        bool readOnly = false;
    };

    explicit DataSetModel(QObject *parent = nullptr);
    // With no columns given, every field is shown under its own name.
    void bind(DataSource *source, const QVector<Column> &columns = {});
    DataSet *dataSet() const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

private:
    void attach();
    int fieldOf(int column) const;

    QPointer<DataSource> m_source;
    QPointer<DataSet> m_attached;
    QVector<Column> m_requested;
    QVector<Column> m_columns;
};
