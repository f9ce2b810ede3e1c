#include "DateFormatReader.h"

#include "LocaleDigits.h"

#include <QDate>

#include <algorithm>
#include <initializer_list>

namespace corvane::sortgrid {

double dateTimeKey(int year, int month, int day, int msecsOfDay)
{
    static const qint64 epoch = QDate(1899, 12, 30).toJulianDay();
    const qint64 days = QDate(year, month, day).toJulianDay() - epoch;
    return double(days) * 86400000.0 + double(msecsOfDay);
}

namespace {

// The text of a quoted literal whose opening quote is at `quote`; two quotes inside stand for one,
// and an empty pair ('') for a quote. `next` becomes the place after the closing quote.
QString quotedLiteral(QStringView format, qsizetype quote, qsizetype &next)
{
    qsizetype end = quote + 1;
    QString text;
    while (end < format.size()) {
        if (format.at(end) == u'\'') {
            if (end + 1 < format.size() && format.at(end + 1) == u'\'') {
                text += u'\'';
                end += 2;
                continue;
            }
            break;
        }
        text += format.at(end++);
    }
    if (quote + 1 < format.size() && format.at(quote + 1) == u'\'' && text.isEmpty())
        text = QStringLiteral("'");
    next = end + 1;
    return text;
}

} // namespace

std::optional<DateFormatReader> DateFormatReader::compile(const QString &format, const QLocale &locale)
{
    DateFormatReader reader;
    reader.takeLocaleTexts(locale);
    qsizetype i = 0;
    while (i < format.size()) {
        if (format.at(i) == u'\'') {
            reader.addLiteral(quotedLiteral(format, i, i));
            continue;
        }
        qsizetype run = 1;
        while (i + run < format.size() && format.at(i + run) == format.at(i))
            ++run;
        if (!reader.addField(format, i, run))
            return std::nullopt;
        i += run;
    }
    reader.settleHourField();
    if (!reader.numbersAreSeparable() || !reader.hasWholeDate())
        return std::nullopt;
    return reader;
}

void DateFormatReader::takeLocaleTexts(const QLocale &locale)
{
    m_zero = zeroDigitOf(locale.zeroDigit());
    m_am = locale.amText();
    m_pm = locale.pmText();
    for (int m = 1; m <= 12; ++m) {
        m_shortMonths.append(locale.monthName(m, QLocale::ShortFormat));
        m_longMonths.append(locale.monthName(m, QLocale::LongFormat));
    }
}

void DateFormatReader::addLiteral(QStringView text)
{
    if (!m_tokens.empty() && m_tokens.back().field == Field::Literal)
        m_tokens.back().text += text;
    else
        m_tokens.push_back(Token{Field::Literal, 0, 0, text.toString()});
}

void DateFormatReader::addNumber(Field field, qsizetype letters, int fixedWidth)
{
    // One letter reads as many digits as there are, up to the width; two or more read exactly it.
    m_tokens.push_back(Token{field, letters >= 2 ? fixedWidth : 1, fixedWidth, {}});
}

bool DateFormatReader::addField(QStringView format, qsizetype at, qsizetype &run)
{
    const QChar c = format.at(at);
    switch (c.unicode()) {
    case u'd':
        if (run > 2)
            return false; // day names
        addNumber(Field::Day, run, 2);
        return true;
    case u'M':
        if (run == 3 || run == 4) {
            m_tokens.push_back(Token{Field::MonthName, 0, 0, {}});
            m_tokens.back().maxDigits = int(run); // 3: short names, 4: long names
            return true;
        }
        if (run > 2)
            return false;
        addNumber(Field::Month, run, 2);
        return true;
    case u'y':
        if (run != 4)
            return false; // two-digit years
        m_tokens.push_back(Token{Field::Year, 4, 4, {}});
        return true;
    case u'h':
    case u'H':
    case u'm':
    case u's':
        if (run > 2)
            return false;
        addNumber(c == u'h'   ? Field::Hour12
                  : c == u'H' ? Field::Hour24
                  : c == u'm' ? Field::Minute
                              : Field::Second,
                  run, 2);
        return true;
    case u'z':
        if (run != 1 && run != 3)
            return false;
        m_tokens.push_back(Token{Field::Msec, run == 3 ? 3 : 1, 3, {}});
        return true;
    case u'a':
    case u'A':
        m_tokens.push_back(Token{Field::AmPm, 0, 0, {}});
        // "AP" and "ap" are one field, as are "A" and "a".
        if (run == 1 && at + 1 < format.size() && (format.at(at + 1) == u'p' || format.at(at + 1) == u'P'))
            run = 2;
        else if (run != 1)
            return false;
        return true;
    case u't': return false; // time zones
    default: addLiteral(format.mid(at, run)); return true;
    }
}

void DateFormatReader::settleHourField()
{
    // "h" counts to 12 only when the format has an AM/PM field.
    const bool twelveHour =
        std::any_of(m_tokens.begin(), m_tokens.end(), [](const Token &token) { return token.field == Field::AmPm; });
    if (twelveHour)
        return;
    for (Token &token : m_tokens) {
        if (token.field == Field::Hour12)
            token.field = Field::Hour24;
    }
}

bool DateFormatReader::numbersAreSeparable() const
{
    // A number whose width varies must not touch the next number: where one ends would be a guess.
    const auto isNumber = [](Field field) {
        return field != Field::Literal && field != Field::MonthName && field != Field::AmPm;
    };
    for (std::size_t t = 0; t + 1 < m_tokens.size(); ++t) {
        const Token &token = m_tokens[t];
        if (isNumber(token.field) && token.minDigits != token.maxDigits && isNumber(m_tokens[t + 1].field))
            return false;
    }
    return true;
}

bool DateFormatReader::hasWholeDate() const
{
    const auto has = [this](std::initializer_list<Field> fields) {
        return std::any_of(m_tokens.begin(), m_tokens.end(), [fields](const Token &token) {
            return std::find(fields.begin(), fields.end(), token.field) != fields.end();
        });
    };
    return has({Field::Day}) && has({Field::Month, Field::MonthName}) && has({Field::Year});
}

bool DateFormatReader::readNumber(QStringView text, qsizetype &pos, const Token &token, int &value) const
{
    value = 0;
    int digits = 0;
    int d = 0;
    while (digits < token.maxDigits && readLocaleDigit(text, pos, m_zero, d)) {
        value = value * 10 + d;
        ++digits;
    }
    return digits >= token.minDigits && digits > 0;
}

std::optional<double> DateFormatReader::read(QStringView input) const
{
    const QStringView text = input.trimmed();
    int year = -1, month = -1, day = -1, hour = 0, minute = 0, second = 0, msec = 0;
    int hour12 = -1;
    int pm = -1;
    qsizetype pos = 0;
    for (const Token &token : m_tokens) {
        switch (token.field) {
        case Field::Literal:
            if (!text.mid(pos).startsWith(token.text))
                return std::nullopt;
            pos += token.text.size();
            break;
        case Field::MonthName: {
            const QStringList &names = token.maxDigits == 3 ? m_shortMonths : m_longMonths;
            // The names as written first (cheap), then without regard to case; the longest wins.
            const QStringView rest = text.mid(pos);
            qsizetype best = 0;
            for (const Qt::CaseSensitivity cs : {Qt::CaseSensitive, Qt::CaseInsensitive}) {
                for (int m = 0; m < 12; ++m) {
                    const QString &name = names.at(m);
                    if (name.size() > best && rest.startsWith(name, cs)) {
                        best = name.size();
                        month = m + 1;
                    }
                }
                if (best > 0)
                    break;
            }
            if (best == 0)
                return std::nullopt;
            pos += best;
            break;
        }
        case Field::AmPm: {
            const QStringView rest = text.mid(pos);
            if (!m_am.isEmpty() && rest.startsWith(m_am, Qt::CaseInsensitive)) {
                pm = 0;
                pos += m_am.size();
            } else if (!m_pm.isEmpty() && rest.startsWith(m_pm, Qt::CaseInsensitive)) {
                pm = 1;
                pos += m_pm.size();
            } else {
                return std::nullopt;
            }
            break;
        }
        default: {
            int value = 0;
            if (!readNumber(text, pos, token, value))
                return std::nullopt;
            switch (token.field) {
            case Field::Day: day = value; break;
            case Field::Month: month = value; break;
            case Field::Year: year = value; break;
            case Field::Hour24: hour = value; break;
            case Field::Hour12: hour12 = value; break;
            case Field::Minute: minute = value; break;
            case Field::Second: second = value; break;
            case Field::Msec: msec = value; break;
            default: break;
            }
            break;
        }
        }
    }
    if (pos != text.size())
        return std::nullopt;
    if (hour12 >= 0) {
        if (hour12 < 1 || hour12 > 12 || pm < 0)
            return std::nullopt;
        hour = hour12 % 12 + (pm == 1 ? 12 : 0);
    }
    if (year < 1 || !QDate::isValid(year, month, day) || hour > 23 || minute > 59 || second > 59)
        return std::nullopt;
    return dateTimeKey(year, month, day, ((hour * 60 + minute) * 60 + second) * 1000 + msec);
}

} // namespace corvane::sortgrid
