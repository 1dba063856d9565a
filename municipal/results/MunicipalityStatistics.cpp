#include "municipal/results/MunicipalityStatistics.h"

#include "common/DataSet.h"
#include "common/NumberText.h"
#include "common/StepError.h"
#include "municipal/data/TDataModule1.h"

#include <cmath>

using NumberText::fixed;
using NumberText::toFloat;

namespace MunicipalityStatistics {

namespace {

const QString zero = QStringLiteral("0");

// The stratum query's statements of the low, medium and high risk classes.
const QString classQueries[] = {
    QStringLiteral("Select * from Indices where IIPaeg>=0 and IIPaeg<=0.9"),
    QStringLiteral("Select * from Indices where IIPaeg>=1 and IIPaeg<=3.9"),
    QStringLiteral("Select * from Indices where IIPaeg>=4"),
};

void setStatement(DataSet &query, const QString &statement)
{
    query.checkBrowseMode();
    query.close();
    query.setStatement(statement);
    query.open();
}

QString strataIn(DataSet &query, const QString &statement)
{
    setStatement(query, statement);
    return NumberText::integer(query.recordCount());
}

} // namespace

QString municipalityIndex(const DataSet &consolidado, const DataSet &totals, const QString &column)
{
    const int field = consolidado.fieldIndex(column);
    long long sum = 0;
    for (int row = 0; row < consolidado.recordCount(); ++row)
        sum += consolidado.integerAt(row, field);
    const int inspected = totals.fieldIndex(QStringLiteral("TotalImoveisInspecionados"));
    const QString text = totals.textAt(0, inspected);
    if (text.isEmpty() || totals.integerAt(0, inspected) == 0)
        return zero;
    return fixed(static_cast<long double>(sum) / NumberText::toInteger(text) * 100, 1);
}

Spread spread(const DataSet &strata, const QString &column)
{
    const int field = strata.fieldIndex(column);
    const int n = strata.recordCount();
    long double sum = 0;
    long double squares = 0;
    for (int row = 0; row < n; ++row) {
        const long double x = strata.floatAt(row, field);
        sum += x;
        squares += x * x;
    }
    Spread s;
    s.mean = n == 0 ? zero : fixed(sum / n, 1);
    s.variance = n <= 1 ? zero : fixed((squares - sum * sum / n) / (n - 1), 1);
    const long double v = toFloat(s.variance);
    s.deviation = v > 0 ? fixed(std::exp(0.5L * std::log(v)), 1) : zero;
    const long double m = toFloat(s.mean);
    s.variation = m == 0 ? zero : fixed(toFloat(s.deviation) / m * 100, 1);
    return s;
}

std::optional<Risk> riskSituation(const QString &iip)
{
    const long double v = toFloat(iip);
    std::optional<Risk> risk;
    if (v >= 0 && v <= 0.9L)
        risk = Risk{QStringLiteral("Baixo Risco"), QColor(0, 128, 0)};
    if (v >= 1 && v <= 3.9L)
        risk = Risk{QStringLiteral("Médio Risco"), QColor(255, 255, 0)};
    if (v >= 4)
        risk = Risk{QStringLiteral("Alto Risco"), QColor(255, 0, 0)};
    return risk;
}

Figures compute(TDataModule1 &dm)
{
    const DataSet &consolidado = *dm.ADOTableConsolidado;
    const DataSet &totals = *dm.ADOTableTotalConsolidado;
    DataSet &strata = *dm.ADOQueryIndices;

    Figures f;
    f.iipAegypti = municipalityIndex(consolidado, totals, QStringLiteral("ImoveisComAegTotal"));
    f.iipAlbopictus = municipalityIndex(consolidado, totals, QStringLiteral("ImoveisComAlbTotal"));
    f.iip = spread(strata, QStringLiteral("IIPaeg"));
    f.risk = riskSituation(f.iipAegypti);
    f.ibAegypti = municipalityIndex(consolidado, totals, QStringLiteral("DepositoAegTotal"));
    f.ibAlbopictus = municipalityIndex(consolidado, totals, QStringLiteral("DepositoAlbTotal"));
    f.ib = spread(strata, QStringLiteral("IBaeg"));
    try {
        f.lowRiskStrata = strataIn(strata, classQueries[0]);
        f.mediumRiskStrata = strataIn(strata, classQueries[1]);
        f.highRiskStrata = strataIn(strata, classQueries[2]);
        setStatement(strata, TDataModule1::allIndices);
    } catch (const StepError &) {
        // The page "Índices" must not be left listing one class.
        try {
            setStatement(strata, TDataModule1::allIndices);
        } catch (const StepError &) {}
        throw;
    }
    return f;
}

} // namespace MunicipalityStatistics
