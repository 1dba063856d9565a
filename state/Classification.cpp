#include "state/Classification.h"

#include "common/DataSet.h"
#include "common/StatementChoice.h"
#include "common/StepError.h"

#include <QSqlError>
#include <QSqlQuery>

namespace Classification {

namespace {

const StatementChoice::Item table[] = {
    {"Todos", "Select * from Kavel"},
    {"IIP<=0,9", "Select * from Kavel Where IIP<=0.9"},
    {"1<=IIP<=3,9", "Select * from Kavel Where IIP>=1 and IIP<=3.9"},
    {"IIP>=4", "Select * from Kavel Where IIP>=4"},
};

} // namespace

const QStringList &items()
{
    static const QStringList list = StatementChoice::texts(table);
    return list;
}

QString statementFor(const QString &item)
{
    return StatementChoice::statementOf(table, item);
}

void classify(DataSet &result, const QString &item)
{
    StatementChoice::reopen(result, table, item);
}

void runQuery(DataSet &result, const QSqlDatabase &db, const QString &statement)
{
    result.close();
    result.setStatement(statement);
    // The statement runs once on its own first: one that changes data must
    // not run again when the result set reads its rows.
    {
        QSqlQuery probe(db);
        if (statement.trimmed().isEmpty())
            throw StepError(QStringLiteral("Não há comando SQL a executar: a caixa está vazia."));
        if (!probe.exec(statement))
            throw StepError(probe.lastError().text());
        if (!probe.isSelect())
            throw StepError(QStringLiteral("CommandText does not return a result set"));
    }
    result.open();
}

} // namespace Classification
