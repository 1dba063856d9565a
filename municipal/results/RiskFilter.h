#pragma once

#include <QString>
#include <QStringList>

class DataSet;

// The two choosers of the page "Índices" that list the strata of one risk
// class, by the Ae. aegypti IIP or by its Breteau index.
namespace RiskFilter {

enum class Index { IIP, IB };

// The chooser's items, in order.
QStringList items(Index index);
// The statement of the stratum query for an item; empty for a text that is no item.
QString statement(Index index, const QString &item);

// Replaces the stratum query's statement when `text` is one of the items and
// returns how many strata the query lists, changed or not.
int choose(DataSet &strata, Index index, const QString &text);

} // namespace RiskFilter
