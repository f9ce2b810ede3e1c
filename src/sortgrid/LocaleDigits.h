#pragma once

#include <QStringView>

namespace corvane::sortgrid {

// Reads one decimal digit at pos: an ASCII digit or one of the locale's digits, which start at
// the locale's zero (a code point that may lie outside the basic plane). Advances pos past it.
inline bool readLocaleDigit(QStringView text, qsizetype &pos, char32_t zero, int &value)
{
    if (pos >= text.size())
        return false;
    const char16_t unit = text.at(pos).unicode();
    if (unit >= u'0' && unit <= u'9') {
        value = unit - u'0';
        ++pos;
        return true;
    }
    if (zero == U'0')
        return false;
    char32_t code = unit;
    qsizetype width = 1;
    if (QChar::isHighSurrogate(unit) && pos + 1 < text.size() && text.at(pos + 1).isLowSurrogate()) {
        code = QChar::surrogateToUcs4(unit, text.at(pos + 1).unicode());
        width = 2;
    }
    if (code < zero || code > zero + 9)
        return false;
    value = int(code - zero);
    pos += width;
    return true;
}

// The locale's zero digit as a code point.
inline char32_t zeroDigitOf(const QString &zeroDigit)
{
    const QList<uint> codes = zeroDigit.toUcs4();
    return codes.size() == 1 ? char32_t(codes.front()) : U'0';
}

} // namespace corvane::sortgrid
