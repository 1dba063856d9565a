#pragma once

#include <QLocale>
#include <QString>

// Numbers as the user sees and types them: the user's decimal separator,
// no group separators, extended precision throughout.
namespace NumberText {

// The user's locale, without group separators in output and refusing them in input.
QLocale userLocale();

// Fixed-point text with `decimals` decimals: the value is first taken to 18
// significant digits, then rounded half away from zero.
QString fixed(long double value, int decimals);

// Whole number text ("%d").
QString integer(long long value);

// Text to number in the user's format. Surrounding blanks are ignored.
// Throws StepError "'<text>' is not a valid floating point value".
long double toFloat(const QString &text);
// Throws StepError "'<text>' is not a valid integer value".
long long toInteger(const QString &text);

// Division that fails like the floating-point unit does: "Floating point
// division by zero", or "Invalid floating point operation" for 0 / 0.
long double divide(long double numerator, long double denominator);

// Rounding of a float to a whole number, half to even.
long long roundHalfEven(long double value);

} // namespace NumberText
