#include "municipal/results/OneDecimalPercent.h"

#include "common/NumberText.h"

namespace OneDecimalPercent {

QString text(long long a, long long b)
{
    const long double quotient = static_cast<long double>(a) / static_cast<long double>(b) * 100.0L;
    return NumberText::fixed(quotient, 1);
}

} // namespace OneDecimalPercent
