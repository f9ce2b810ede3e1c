#pragma once

#include "DateFormatReader.h"

#include <QLocale>
#include <QStringView>

#include <optional>
#include <vector>

namespace corvane::sortgrid {

// Turns cell texts into the numbers and date-time values the grid sorts by, with the locale's
// decimal separator, signs, digits and date and time formats. Dates are read as the program
// writes them (platform/DateText.h): the locale's short date and time with seconds, the date
// alone, the C locale's form and ISO 8601 all convert. Cheap to call for every cell of a column.
class KeyConverter
{
public:
    explicit KeyConverter(const QLocale &locale = QLocale());

    const QLocale &locale() const { return m_locale; }

    // A floating-point number: optional sign, digits with at most one decimal separator, an
    // optional exponent, blanks around it. Group separators are not accepted ("1,000" is text).
    std::optional<double> toNumber(QStringView text) const;
    // A date-time as milliseconds since 30 December 1899 (local time, no zone).
    std::optional<double> toDateTime(QStringView text) const;

private:
    QLocale m_locale;
    QString m_decimal;
    QString m_negative;
    QString m_positive;
    QString m_exponent;
    char32_t m_zero = U'0';
    std::vector<DateFormatReader> m_dateFormats;
};

// The converter for the default locale; made again when the default locale changes.
const KeyConverter &defaultKeyConverter();

} // namespace corvane::sortgrid
