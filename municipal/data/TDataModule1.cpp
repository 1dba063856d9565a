#include "municipal/data/TDataModule1.h"

#include "common/Database.h"
#include "municipal/data/MunicipalSchema.h"

namespace {
int connectionCount = 0;
}

TDataModule1::TDataModule1(QObject *parent)
    : QObject(parent), m_connectionName(QStringLiteral("municipal-%1").arg(++connectionCount))
{
    ADOConnection1 = Database::openExisting(MunicipalSchema::fileName, m_connectionName);

    ADOTableCadastro = table(QStringLiteral("Cadastro"), DataSourceCadastro);
    ADOTablePlanoAmostral = new DataSet(ADOConnection1, this);
    ADOTablePlanoAmostral->setTable(QStringLiteral("PlanoAmostral"), QStringLiteral("\"CodigoMunicipio\""));
    DataSourcePlanoAmostral = new DataSource(ADOTablePlanoAmostral, this);
    ADOTableDefQuart = table(QStringLiteral("DefinicaoQuart"), DataSourceDefQuart);
    ADOTableNecessidades = table(QStringLiteral("Necessidades"), DataSourceNecessidades);
    ADOTableConsolidado = table(QStringLiteral("Consolidado"), DataSourceConsolidado);
    ADOTableTotalConsolidado = table(QStringLiteral("TotaisDoConsolidado"), DataSourceTotalConsolidado);
    ADOQueryIndices = query(allIndices, DataSourceIndices);
    ADOQueryPercCriadouros = query(QStringLiteral("Select * from PercentuaisCriadouros;"), DataSourcePercCriadouros);
    ADOQueryKavel = query(QStringLiteral("Select * from Kavel"), DataSourceKavel);
    ADOTableEstados = table(QStringLiteral("EstadosDoBrasil"), DataSourceEstados);
    ADOTableMunicipios = table(QStringLiteral("MunicípiosDoBrasil"), DataSourceMunicipios);

    ADOTablePlanoAmostral->setMaster(ADOTableCadastro, QStringLiteral("CodigoMunicipio"),
                                     QStringLiteral("CodigoMunicipio"));
    ADOTableDefQuart->setMaster(ADOTablePlanoAmostral, QStringLiteral("Estrato"), QStringLiteral("Estrato"));
    ADOTableMunicipios->setMaster(ADOTableEstados, QStringLiteral("Estado"), QStringLiteral("UF"));

    for (DataSet *ds : {ADOTableCadastro, ADOTablePlanoAmostral, ADOTableDefQuart, ADOTableNecessidades,
                        ADOTableConsolidado, ADOTableTotalConsolidado, ADOQueryIndices, ADOQueryPercCriadouros,
                        ADOQueryKavel, ADOTableEstados, ADOTableMunicipios})
        ds->open();
}

TDataModule1::~TDataModule1()
{
    for (DataSet *ds : findChildren<DataSet *>())
        delete ds;
    ADOConnection1.close();
    ADOConnection1 = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connectionName);
}

DataSet *TDataModule1::table(const QString &name, DataSource *&source)
{
    auto *ds = new DataSet(ADOConnection1, this);
    ds->setTable(name);
    source = new DataSource(ds, this);
    return ds;
}

DataSet *TDataModule1::query(const QString &statement, DataSource *&source)
{
    auto *ds = new DataSet(ADOConnection1, this);
    ds->setStatement(statement);
    source = new DataSource(ds, this);
    return ds;
}
