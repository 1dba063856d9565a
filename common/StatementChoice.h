#pragma once

#include <QString>
#include <QStringList>

#include <span>

class DataSet;

// A chooser whose items each stand for the statement of a query.
namespace StatementChoice {

struct Item
{
    const char *text;
    const char *statement;
};

// The items' texts, in order.
QStringList texts(std::span<const Item> items);
// The statement of the item with this text; empty for any other text.
QString statementOf(std::span<const Item> items, const QString &text);
// Reopens `result` with the statement of the item with this text; does
// nothing and returns false for any other text.
bool reopen(DataSet &result, std::span<const Item> items, const QString &text);

} // namespace StatementChoice
