#include "common/StatementChoice.h"

#include "common/DataSet.h"

namespace StatementChoice {

QStringList texts(std::span<const Item> items)
{
    QStringList list;
    for (const Item &item : items)
        list << QString::fromUtf8(item.text);
    return list;
}

QString statementOf(std::span<const Item> items, const QString &text)
{
    for (const Item &item : items)
        if (text == QString::fromUtf8(item.text))
            return QString::fromUtf8(item.statement);
    return QString();
}

bool reopen(DataSet &result, std::span<const Item> items, const QString &text)
{
    const QString statement = statementOf(items, text);
    if (statement.isEmpty())
        return false;
    result.close();
    result.setStatement(statement);
    result.open();
    return true;
}

} // namespace StatementChoice
