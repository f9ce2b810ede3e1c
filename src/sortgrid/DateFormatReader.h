#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace corvane::sortgrid {

// A date-time format of QLocale's syntax ("M/d/yyyy h:mm:ss AP"), compiled once so that reading
// many cells costs little. It reads only text that matches the format exactly, with the locale's
// digits, month names and AM/PM texts; anything else is left to the slower general reader.
class DateFormatReader
{
public:
    // None when the format uses a field this reader does not handle (day names, two-digit years,
    // time zones, a variable-width number glued to another number).
    static std::optional<DateFormatReader> compile(const QString &format, const QLocale &locale);

    // The date-time as milliseconds since 30 December 1899 (local, no time zone), or none.
    std::optional<double> read(QStringView text) const;

private:
    enum class Field { Literal, Day, Month, MonthName, Year, Hour24, Hour12, Minute, Second, Msec, AmPm };
    struct Token
    {
        Field field = Field::Literal;
        int minDigits = 0;
        int maxDigits = 0;
        QString text; // literal text
    };

    // Compiling: the locale's digits, month names and AM/PM texts.
    void takeLocaleTexts(const QLocale &locale);
    void addLiteral(QStringView text);
    // A number field written with that many letters, at most fixedWidth digits.
    void addNumber(Field field, qsizetype letters, int fixedWidth);
    // The field of a run of one letter at that place of the format; false when this reader does
    // not handle it. An AM/PM field may take the letter after the run, widening the run.
    bool addField(QStringView format, qsizetype at, qsizetype &run);
    void settleHourField();
    bool numbersAreSeparable() const;
    // Day, month and year are all there.
    bool hasWholeDate() const;

    bool readNumber(QStringView text, qsizetype &pos, const Token &token, int &value) const;

    std::vector<Token> m_tokens;
    QStringList m_shortMonths;
    QStringList m_longMonths;
    QString m_am;
    QString m_pm;
    char32_t m_zero = U'0';
};

// Milliseconds since 30 December 1899 of a local date and time: the day count of the date-time
// values the grid compares, scaled to milliseconds so that equal times compare exactly equal.
double dateTimeKey(int year, int month, int day, int msecsOfDay);

} // namespace corvane::sortgrid
