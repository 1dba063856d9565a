#include "common/Windows1252.h"

#include <QList>

#include <array>

namespace {

// Characters of the bytes 0x80 to 0x9F. The five bytes the code page leaves
// unassigned stand for the control character of the same number, so that
// every byte reads back as it was written.
constexpr std::array<char16_t, 32> upperControlRange = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char encodeOne(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t i = 0; i < upperControlRange.size(); ++i) {
        if (upperControlRange[i] == c)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

} // namespace

namespace Windows1252 {

QByteArray encode(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    // One '?' for each character outside the code page, even when it takes two UTF-16 units.
    for (const char32_t c : text.toUcs4())
        bytes.append(encodeOne(c));
    return bytes;
}

QString decode(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char b : bytes) {
        const auto byte = static_cast<unsigned char>(b);
        *out++ = (byte >= 0x80 && byte < 0xA0) ? QChar(upperControlRange[byte - 0x80]) : QChar(byte);
    }
    return text;
}

} // namespace Windows1252
