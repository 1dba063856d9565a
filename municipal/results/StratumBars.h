#pragma once

#include <QStringList>
#include <QVector>

#include <array>

class DataSet;

// What the three charts draw from the rows of the stratum query: one bar
// slot per row, in ascending order of the stratum number.
struct StratumBars
{
    // The container classes of the third chart, in the order of their bars.
    static const QStringList classNames;

    QStringList strata; // the stratum number of each slot, as text
    QVector<double> iipAeg;
    QVector<double> ibAeg;
    std::array<QVector<double>, 7> classes; // A1, A2, B, C, D1, D2, E

    // Reads the rows the query lists (none when it is closed); an empty
    // value gives a bar of height 0. Throws StepError for a value that is
    // not a number.
    static StratumBars read(const DataSet &query);
};
