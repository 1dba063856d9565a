#pragma once

#include <QString>

class DataSet;

// The risk choices of the charts window: the statement each one gives the
// stratum query and the first title line it gives the IIP chart.
namespace ChartFilters {

enum class Choice { LowRisk, MediumRisk, HighRisk, AllStrata };

struct Filter
{
    QString statement;
    QString iipTitle;
};

Filter filter(Choice choice);

// The IIP chart's title when the window is first shown.
QString initialIipTitle();

// Replaces the stratum query's statement and reads its rows; whatever is
// bound to the query follows.
void apply(DataSet &query, const QString &statement);

} // namespace ChartFilters
