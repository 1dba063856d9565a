#include "state/KavelBatch.h"

#include "common/DataSet.h"
#include "common/Database.h"
#include "common/StepError.h"
#include "common/Transaction.h"
#include "state/KavelImport.h"
#include "state/StateSchema.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>

KavelBatch::KavelBatch(const QSqlDatabase &db) : m_db(db)
{
    DataSet columns(m_db);
    columns.setStatement(QStringLiteral("Select * from Kavel limit 0"));
    columns.open();
    for (const FieldDef &def : StateSchema::kavelColumns())
        m_fields << columns.field(columns.fieldIndex(def.name));
}

QVector<QVariant> KavelBatch::rowOf(const QString &path) const
{
    const QStringList texts = KavelImport::recordTexts(path);
    QVector<QVariant> row;
    row.reserve(m_fields.size());
    for (int i = 0; i < m_fields.size(); ++i)
        row << DataSet::converted(m_fields[i], texts[i]);
    return row;
}

KavelBatch::Result KavelBatch::run(const QStringList &paths, bool simulate,
                                   const std::function<void(const QString &, const QString &)> &report)
{
    Result result;
    Transaction transaction(m_db);
    QSqlQuery insert(m_db);
    // Named marks: binding by position formats a name for every value bound.
    QStringList columns, marks;
    for (const FieldDef &def : std::as_const(m_fields)) {
        columns << Database::quoted(def.name);
        marks << QStringLiteral(":c%1").arg(marks.size());
    }
    if (!insert.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                            .arg(Database::quoted(StateSchema::table), columns.join(QLatin1String(", ")),
                                 marks.join(QLatin1String(", ")))))
        throw StepError(insert.lastError().text());
    for (const QString &path : paths) {
        QString refusal;
        try {
            const QVector<QVariant> row = rowOf(path);
            if (!simulate) {
                for (int i = 0; i < row.size(); ++i)
                    insert.bindValue(marks[i], row[i]);
                if (!insert.exec())
                    throw StepError(insert.lastError().text());
            }
        } catch (const StepError &e) {
            refusal = e.message();
        }
        ++(refusal.isEmpty() ? result.imported : result.refused);
        report(path, refusal);
    }
    if (!simulate)
        transaction.commit();
    return result;
}

QStringList KavelBatch::expand(const QStringList &arguments)
{
    QStringList paths;
    for (const QString &argument : arguments) {
        if (!QFileInfo(argument).isDir()) {
            paths << argument;
            continue;
        }
        const QDir folder(argument);
        for (const QString &name :
             folder.entryList({QStringLiteral("*.nubrel")}, QDir::Files | QDir::Hidden, QDir::Name))
            paths << folder.filePath(name);
    }
    return paths;
}
