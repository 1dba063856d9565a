#pragma once

#include <QObject>
#include <QPointer>

class DataSet;

// What bound controls attach to: it names the data set they show, and can be
// pointed at another one, taking every control bound to it along.
class DataSource : public QObject
{
    Q_OBJECT

public:
    explicit DataSource(DataSet *dataSet = nullptr, QObject *parent = nullptr) : QObject(parent), m_dataSet(dataSet) {}
    DataSet *dataSet() const { return m_dataSet; }
    void setDataSet(DataSet *dataSet)
    {
        m_dataSet = dataSet;
        emit dataSetChanged();
    }

signals:
    void dataSetChanged();

private:
    QPointer<DataSet> m_dataSet;
};
