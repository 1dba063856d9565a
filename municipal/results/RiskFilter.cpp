#include "municipal/results/RiskFilter.h"

#include "common/DataSet.h"
#include "common/StatementChoice.h"

namespace RiskFilter {

namespace {

using StatementChoice::Item;

const Item iipItems[] = {
    {"0% =< IIP <= 0,9%", "Select * from Indices where IIPaeg>=0 and IIPaeg<=0.9"},
    {"1% =< IIP <= 3,9%", "Select * from Indices where IIPaeg>=1 and IIPaeg<=3.9"},
    {"IIP >= 4%", "Select * from Indices where IIPaeg>=4"},
    {"Todos os registros", "Select * from Indices"},
};

const Item ibItems[] = {
    {"0% =< IB <= 0,9%", "Select * from Indices where IBaeg>=0 and IBaeg<=0.9"},
    {"1% =< IB <= 3,9%", "Select * from Indices where IBaeg>=1 and IBaeg<=3.9"},
    {"IB >= 4%", "Select * from Indices where IBaeg>=4"},
    {"Todos os registros", "Select * from Indices"},
};

std::span<const Item> itemsOf(Index index)
{
    if (index == Index::IIP)
        return iipItems;
    return ibItems;
}

} // namespace

QStringList items(Index index)
{
    return StatementChoice::texts(itemsOf(index));
}

QString statement(Index index, const QString &text)
{
    return StatementChoice::statementOf(itemsOf(index), text);
}

int choose(DataSet &strata, Index index, const QString &text)
{
    StatementChoice::reopen(strata, itemsOf(index), text);
    return strata.recordCount();
}

} // namespace RiskFilter
