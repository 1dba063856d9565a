#pragma once

#include <QColor>
#include <QString>

#include <optional>

class DataSet;
class TDataModule1;

// The municipality's figures of the statistics window: indices pooled over
// all strata, the spread of the strata's indices, strata per risk class and
// the municipality's risk situation. Every figure is a text ("%.1f", a whole
// number, or "0" where it cannot be computed); a figure computed from
// another is computed from that one's text. Nothing is stored.
namespace MunicipalityStatistics {

struct Spread
{
    QString mean;
    QString variance;
    QString deviation;
    QString variation; // coefficient of variation, in %
};

struct Risk
{
    QString caption;
    QColor colour;
};

struct Figures
{
    QString iipAegypti;
    QString iipAlbopictus;
    Spread iip;
    // Empty when no class holds the IIP shown: the panel keeps what it had.
    std::optional<Risk> risk;
    QString ibAegypti;
    QString ibAlbopictus;
    Spread ib;
    QString lowRiskStrata;
    QString mediumRiskStrata;
    QString highRiskStrata;
};

// Dwellings (or containers) of `column` summed over all rows of Consolidado,
// over all dwellings inspected of the totals row, in %.
QString municipalityIndex(const DataSet &consolidado, const DataSet &totals, const QString &column);

// Mean, sample variance, standard deviation and coefficient of variation of
// a column over the rows the data set lists.
Spread spread(const DataSet &strata, const QString &column);

// The risk class of the municipality's IIP as shown.
std::optional<Risk> riskSituation(const QString &iip);

// All figures in their order. The spread covers the strata the stratum query
// lists now; the class counts run the class queries over all strata; the
// stratum query then lists all strata again, also when a step failed.
Figures compute(TDataModule1 &dm);

} // namespace MunicipalityStatistics
