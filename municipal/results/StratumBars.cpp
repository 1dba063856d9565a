#include "municipal/results/StratumBars.h"

#include "common/DataSet.h"
#include "common/NumberText.h"

#include <algorithm>
#include <numeric>

const QStringList StratumBars::classNames = {QStringLiteral("A1"), QStringLiteral("A2"), QStringLiteral("B"),
                                             QStringLiteral("C"),  QStringLiteral("D1"), QStringLiteral("D2"),
                                             QStringLiteral("E")};

StratumBars StratumBars::read(const DataSet &query)
{
    StratumBars bars;
    if (!query.isActive())
        return bars;
    const int estrato = query.fieldIndex(QStringLiteral("Estrato"));
    const int iip = query.fieldIndex(QStringLiteral("IIPaeg"));
    const int ib = query.fieldIndex(QStringLiteral("IBaeg"));
    std::array<int, 7> classFields{};
    for (int c = 0; c < 7; ++c)
        classFields[c] = query.fieldIndex(classNames[c]);

    // Rows in ascending order of their stratum; rows without one come first.
    QVector<int> order(query.recordCount());
    std::iota(order.begin(), order.end(), 0);
    const auto key = [&](int row) {
        return std::make_pair(!query.valueAt(row, estrato).isNull(), query.integerAt(row, estrato));
    };
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return key(a) < key(b); });

    for (const int row : std::as_const(order)) {
        bars.strata << (query.valueAt(row, estrato).isNull() ? QString()
                                                             : NumberText::integer(query.integerAt(row, estrato)));
        bars.iipAeg << double(query.floatAt(row, iip));
        bars.ibAeg << double(query.floatAt(row, ib));
        for (int c = 0; c < 7; ++c)
            bars.classes[c] << double(query.floatAt(row, classFields[c]));
    }
    return bars;
}
