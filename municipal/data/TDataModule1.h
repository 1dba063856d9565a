#pragma once

#include "common/DataSet.h"
#include "common/DataSource.h"

#include <QObject>
#include <QSqlDatabase>

// Owns the connection to the municipality database and every data set the
// windows use. Creating it opens the file in the current folder and every
// data set; a missing or foreign file throws StepError.
class TDataModule1 : public QObject
{
    Q_OBJECT

public:
    explicit TDataModule1(QObject *parent = nullptr);
    ~TDataModule1() override;

    QSqlDatabase ADOConnection1;

    DataSet *ADOTableCadastro;
    DataSet *ADOTablePlanoAmostral;
    DataSet *ADOTableDefQuart;
    DataSet *ADOTableNecessidades;
    DataSet *ADOTableConsolidado;
    DataSet *ADOTableTotalConsolidado;
    DataSet *ADOQueryIndices;
    DataSet *ADOQueryPercCriadouros;
    DataSet *ADOQueryKavel;
    DataSet *ADOTableEstados;
    DataSet *ADOTableMunicipios;

    DataSource *DataSourceCadastro;
    DataSource *DataSourcePlanoAmostral;
    DataSource *DataSourceDefQuart;
    DataSource *DataSourceNecessidades;
    DataSource *DataSourceConsolidado;
    DataSource *DataSourceTotalConsolidado;
    DataSource *DataSourceIndices;
    DataSource *DataSourcePercCriadouros;
    DataSource *DataSourceKavel;
    DataSource *DataSourceEstados;
    DataSource *DataSourceMunicipios;

    // The statement of the stratum query when no filter is applied.
    static inline const QString allIndices = QStringLiteral("Select * from Indices");

private:
    DataSet *table(const QString &name, DataSource *&source);
    DataSet *query(const QString &statement, DataSource *&source);
    QString m_connectionName;
};
