#include "common/NumberText.h"

#include "common/StepError.h"

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <locale.h>

namespace NumberText {

QLocale userLocale()
{
    // Built once, as a plain locale of the system's name where that gives the
    // same separators: a system locale asks the system again on every
    // conversion, which costs more than the conversion itself.
    static const QLocale locale = [] {
        const QLocale system = QLocale::system();
        QLocale plain(system.name());
        const bool same = plain.decimalPoint() == system.decimalPoint()
                          && plain.groupSeparator() == system.groupSeparator()
                          && plain.negativeSign() == system.negativeSign() && plain.zeroDigit() == system.zeroDigit();
        QLocale chosen = same ? plain : system;
        chosen.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
        return chosen;
    }();
    return locale;
}

namespace {

// Rounds a string of decimal digits (most significant first) whose decimal
// point sits after `intDigits` digits to `decimals` decimals, half away from zero.
QString roundDigits(QByteArray digits, int intDigits, int decimals)
{
    // Pad so that the integer part has at least one digit and the fraction enough digits.
    if (intDigits <= 0) {
        digits.prepend(QByteArray(1 - intDigits, '0'));
        intDigits = 1;
    }
    const int keep = intDigits + decimals;
    if (digits.size() < keep + 1)
        digits.append(QByteArray(keep + 1 - digits.size(), '0'));

    const bool roundUp = digits[keep] >= '5';
    digits.truncate(keep);
    if (roundUp) {
        int i = keep - 1;
        for (; i >= 0; --i) {
            if (digits[i] == '9') {
                digits[i] = '0';
            } else {
                digits[i] = char(digits[i] + 1);
                break;
            }
        }
        if (i < 0) {
            digits.prepend('1');
            ++intDigits;
        }
    }
    QString text = QString::fromLatin1(digits.left(intDigits));
    if (decimals > 0)
        text += QLatin1Char('.') + QString::fromLatin1(digits.mid(intDigits));
    return text;
}

} // namespace

QString fixed(long double value, int decimals)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");

    // 18 significant digits: d.ddddddddddddddddde±x
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17Le", std::fabs(value));
    const QByteArray sci(buffer);
    const int ePos = sci.indexOf('e');
    QByteArray digits = sci.left(ePos);
    digits.remove(1, 1); // the decimal point
    const int exponent = sci.mid(ePos + 1).toInt();

    QString text = roundDigits(digits, exponent + 1, decimals);
    const bool allZero = std::none_of(text.cbegin(), text.cend(),
                                      [](QChar c) { return c >= QLatin1Char('1') && c <= QLatin1Char('9'); });
    if (value < 0 && !allZero)
        text.prepend(QLatin1Char('-'));
    if (decimals > 0)
        text.replace(QLatin1Char('.'), userLocale().decimalPoint());
    return text;
}

QString integer(long long value)
{
    return QString::number(value);
}

long double toFloat(const QString &text)
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    const double value = userLocale().toDouble(trimmed, &ok);
    if (!ok || trimmed.isEmpty())
        throw StepError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    // Parse again in extended precision so that the value keeps all the digits typed.
    QString c = trimmed;
    c.replace(userLocale().decimalPoint(), QStringLiteral("."));
    const QByteArray utf8 = c.toLatin1();
    char *end = nullptr;
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    const long double extended = strtold_l(utf8.constData(), &end, cLocale);
    if (end && *end == '\0')
        return extended;
    return value;
}

long long toInteger(const QString &text)
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    const int value = trimmed.toInt(&ok);
    if (!ok)
        throw StepError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return value;
}

long double divide(long double numerator, long double denominator)
{
    if (denominator == 0) {
        if (numerator == 0 || std::isnan(numerator))
            throw StepError(QStringLiteral("Invalid floating point operation"));
        throw StepError(QStringLiteral("Floating point division by zero"));
    }
    return numerator / denominator;
}

long long roundHalfEven(long double value)
{
    const long double floor = std::floor(value);
    const long double diff = value - floor;
    long long result = static_cast<long long>(floor);
    if (diff > 0.5L || (diff == 0.5L && (result % 2 != 0)))
        ++result;
    return result;
}

} // namespace NumberText
