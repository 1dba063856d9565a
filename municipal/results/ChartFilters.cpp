#include "municipal/results/ChartFilters.h"

#include "common/DataSet.h"

namespace ChartFilters {

Filter filter(Choice choice)
{
    switch (choice) {
    case Choice::LowRisk:
        return {QStringLiteral("Select * from Indices where IIPaeg>=0 and IIPaeg<=0.9"),
                QStringLiteral("Estratos com 0%=<IIP<=0.9%")};
    case Choice::MediumRisk:
        return {QStringLiteral("Select * from Indices where IIPaeg>=1 and IIPaeg<=3.9"),
                QStringLiteral("Estratos com 1%=<IIP<=3.9%")};
    case Choice::HighRisk:
        return {QStringLiteral("Select * from Indices where IIPaeg>=4"), QStringLiteral("Estratos com IIP>=4%")};
    case Choice::AllStrata:
        break;
    }
    return {QStringLiteral("Select * from Indices"),
            QStringLiteral("Índice de infestação predial (IIP) em cada estrato do Município")};
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
