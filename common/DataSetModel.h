#pragma once

#include <QAbstractTableModel>
#include <QPointer>

class DataSet;
class DataSource;

// A table model over the rows of a data set, for grids. Each column shows
// one field, with a title; editing a cell moves to its row and writes the text.
// Changes of the data set reach the views as the rows and cells that changed,
// so that an open cell editor and the current cell survive them; only a
// re-read of all rows resets the model.
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
    // The data set's field shown in a column; -1 when there is none.
    int fieldOf(int column) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // A refused value returns false and leaves its message in takeRefusal().
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

    // The message of the last refused value, once; empty when none is pending.
    QString takeRefusal();

    // True while the data set adds, removes or re-reads rows: the views move
    // their current cell then, which is no move of the user's.
    bool isChangingRows() const { return m_changingRows || m_resetting; }

private:
    void attach();
    void reread();
    void currentRowChanged();
    void fieldChanged(int field);

    QPointer<DataSource> m_source;
    QPointer<DataSet> m_attached;
    QVector<Column> m_requested;
    QVector<Column> m_columns;
    int m_rows = 0; // the row count the views were last told
    bool m_resetting = false;
    bool m_changingRows = false;
    QString m_refusal;
};
