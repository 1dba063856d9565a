#include "municipal/results/ChartFilters.h"

#include "common/DataSet.h"
#include "municipal/results/RiskFilter.h"

namespace ChartFilters {

Filter filter(Choice choice)
{
    // The same classes as the IIP chooser of the page "Índices", whose items
    // come in this order: low, medium, high, all.
    const QString item = RiskFilter::items(RiskFilter::Index::IIP).at(int(choice));
    const QString statement = RiskFilter::statement(RiskFilter::Index::IIP, item);
    switch (choice) {
    case Choice::LowRisk:
        return {statement, QStringLiteral("Estratos com 0%=<IIP<=0.9%")};
    case Choice::MediumRisk:
        return {statement, QStringLiteral("Estratos com 1%=<IIP<=3.9%")};
    case Choice::HighRisk:
        return {statement, QStringLiteral("Estratos com IIP>=4%")};
    case Choice::AllStrata:
        break;
    }
    return {statement, QStringLiteral("Índice de infestação predial (IIP) em cada estrato do Município")};
}

QString initialIipTitle()
{
    return QStringLiteral("Índice de infestação predial (IIP) para Ae.aegypti em cada estrato do Município ");
}

void apply(DataSet &query, const QString &statement)
{
    query.setStatement(statement);
    query.open();
}

} // namespace ChartFilters
