#include "state/StateData.h"

#include "common/Database.h"
#include "common/StepError.h"
#include "state/StateSchema.h"

#include <QSqlQuery>

namespace {
int connectionCount = 0;
}

StateData::StateData(QObject *parent)
    : QObject(parent), m_connectionName(QStringLiteral("state-%1").arg(++connectionCount))
{
    ADOConnection1 = Database::openExisting(StateSchema::fileName, m_connectionName);
    ADOQueryKavel = new DataSet(ADOConnection1, this);
    DataSourceKavel = new DataSource(ADOQueryKavel, this);
    try {
        // The municipality database holds a table `Kavel` too, among others.
        QSqlQuery others(ADOConnection1);
        if (!others.exec(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name <> 'Kavel'"))
            || !others.next() || others.value(0).toInt() != 0)
            throw StepError(QStringLiteral("O arquivo '%1' não é um banco de dados do módulo do Estado.")
                                .arg(StateSchema::fileName));
        others = QSqlQuery();
        ADOQueryKavel->setStatement(allRows);
        ADOQueryKavel->open();
        // A database of the other module, or any other, lacks the table or its columns.
        if (ADOQueryKavel->fieldCount() != StateSchema::kavelColumns().size())
            throw StepError(QStringLiteral("O arquivo '%1' não é um banco de dados do módulo do Estado.")
                                .arg(StateSchema::fileName));
        for (const FieldDef &def : StateSchema::kavelColumns())
            ADOQueryKavel->fieldIndex(def.name);
    } catch (const StepError &) {
        delete ADOQueryKavel;
        ADOConnection1.close();
        ADOConnection1 = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connectionName);
        throw;
    }
}

StateData::~StateData()
{
    delete ADOQueryKavel;
    ADOConnection1.close();
    ADOConnection1 = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connectionName);
}
