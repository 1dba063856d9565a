#include "state/StateSchema.h"

#include "common/Database.h"

#include <QStringList>

namespace StateSchema {

const QVector<FieldDef> &kavelColumns()
{
    static const QVector<FieldDef> columns = [] {
        QVector<FieldDef> c{{QStringLiteral("Municipio"), FieldType::Text, 32},
                            {QStringLiteral("UF"), FieldType::Text, 2},
                            {QStringLiteral("IIP"), FieldType::Float, 0},
                            {QStringLiteral("IB"), FieldType::Float, 0}};
        for (const char *group : {"E<0,9", "1<E<3,9", "E>4", "A1", "A2", "B", "C", "D1", "D2", "E"}) {
            c.append({QString::fromUtf8(group) + QStringLiteral("_N°"), FieldType::Integer, 0});
            c.append({QString::fromUtf8(group) + QStringLiteral("_%"), FieldType::Float, 0});
        }
        c.append({QStringLiteral("Periodo"), FieldType::Text, 25});
        c.append({QStringLiteral("CodMun"), FieldType::Integer, 0});
        c.append({QStringLiteral("IIPalb"), FieldType::Float, 0});
        c.append({QStringLiteral("IBalb"), FieldType::Float, 0});
        return c;
    }();
    return columns;
}

namespace {

QString createStatement()
{
    QStringList columns;
    for (const FieldDef &def : kavelColumns()) {
        QString type = def.type == FieldType::Integer ? QStringLiteral("INTEGER")
                       : def.type == FieldType::Float ? QStringLiteral("FLOAT")
                                                      : QStringLiteral("TEXT(%1)").arg(def.width);
        columns << Database::quoted(def.name) + QLatin1Char(' ') + type;
    }
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(Database::quoted(table), columns.join(QLatin1String(", ")));
}

} // namespace

void create(const QString &fileName)
{
    Database::createFilled(fileName, QStringLiteral("create-state"),
                           [](QSqlDatabase &db) { Database::exec(db, createStatement()); });
}

} // namespace StateSchema
