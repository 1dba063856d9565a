#pragma once

#include "common/DataSet.h"
#include "common/DataSource.h"

#include <QObject>
#include <QSqlDatabase>

// The state module's connection and its one result set over `Kavel`, which
// every view of the main window shows. Creating it opens the database file
// in the current folder and the result set with "Select * from Kavel"; a
// missing or foreign file throws StepError.
class StateData : public QObject
{
    Q_OBJECT

public:
    explicit StateData(QObject *parent = nullptr);
    ~StateData() override;

    QSqlDatabase ADOConnection1;
    DataSet *ADOQueryKavel;
    DataSource *DataSourceKavel;

    static inline const QString allRows = QStringLiteral("Select * from Kavel");

private:
    QString m_connectionName;
};
