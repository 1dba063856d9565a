#include "municipal/results/RiskFilter.h"

#include "common/DataSet.h"

namespace RiskFilter {

namespace {

struct Item
{
    const char *text;
    const char *statement;
};

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

template <typename F>
void forEach(Index index, F f)
{
    if (index == Index::IIP)
        for (const Item &item : iipItems)
            f(item);
    else
        for (const Item &item : ibItems)
            f(item);
}

} // namespace

QStringList items(Index index)
{
    QStringList list;
    forEach(index, [&](const Item &item) { list << QString::fromUtf8(item.text); });
    return list;
}

QString statement(Index index, const QString &text)
{
    QString found;
    forEach(index, [&](const Item &item) {
        if (found.isEmpty() && text == QString::fromUtf8(item.text))
            found = QString::fromUtf8(item.statement);
    });
    return found;
}

int choose(DataSet &strata, Index index, const QString &text)
{
    const QString sql = statement(index, text);
    if (!sql.isEmpty()) {
        strata.close();
        strata.setStatement(sql);
        strata.open();
    }
    return strata.recordCount();
}

} // namespace RiskFilter
