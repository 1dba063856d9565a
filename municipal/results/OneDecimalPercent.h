#pragma once

#include <QString>

// a ÷ b × 100 of two counts in extended precision, as its one-decimal text
// in the user's format; the stored value is the number that text shows.
namespace OneDecimalPercent {

QString text(long long a, long long b);

} // namespace OneDecimalPercent
