#include "DateFormatReader.h"

#include "LocaleDigits.h"

#include <QDate>

namespace corvane::sortgrid {

double dateTimeKey(int year, int month, int day, int msecsOfDay)
{
    static const qint64 epoch = QDate(1899, 12, 30).toJulianDay();
    const qint64 days = QDate(year, month, day).toJulianDay() - epoch;
    return double(days) * 86400000.0 + double(msecsOfDay);
}

std::optional<DateFormatReader> DateFormatReader::compile(const QString &format, const QLocale &locale)
{
    DateFormatReader reader;
    reader.m_zero = zeroDigitOf(locale.zeroDigit());
    reader.m_am = locale.amText();
    reader.m_pm = locale.pmText();
    for (int m = 1; m <= 12; ++m) {
        reader.m_shortMonths.append(locale.monthName(m, QLocale::ShortFormat));
        reader.m_longMonths.append(locale.monthName(m, QLocale::LongFormat));
    }

    auto addLiteral = [&reader](QStringView text) {
        if (!reader.m_tokens.empty() && reader.m_tokens.back().field == Field::Literal)
            reader.m_tokens.back().text += text;
        else
            reader.m_tokens.push_back(Token{Field::Literal, 0, 0, text.toString()});
    };
    auto addNumber = [&reader](Field field, int count, int fixedWidth) {
        const int min = count >= 2 ? fixedWidth : 1;
        reader.m_tokens.push_back(Token{field, min, fixedWidth, {}});
    };

    qsizetype i = 0;
    while (i < format.size()) {
        const QChar c = format.at(i);
        if (c == u'\'') {
            // Quoted literal; two quotes stand for one.
            qsizetype end = i + 1;
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
            if (i + 1 < format.size() && format.at(i + 1) == u'\'' && text.isEmpty())
                text = QStringLiteral("'");
            addLiteral(text);
            i = end + 1;
            continue;
        }
        qsizetype run = 1;
        while (i + run < format.size() && format.at(i + run) == c)
            ++run;
        switch (c.unicode()) {
        case u'd':
            if (run > 2)
                return std::nullopt; // day names
            addNumber(Field::Day, int(run), 2);
            break;
        case u'M':
            if (run == 3 || run == 4) {
                reader.m_tokens.push_back(Token{Field::MonthName, 0, 0, {}});
                reader.m_tokens.back().maxDigits = int(run); // 3: short names, 4: long names
            } else if (run <= 2) {
                addNumber(Field::Month, int(run), 2);
            } else {
                return std::nullopt;
            }
            break;
        case u'y':
            if (run != 4)
                return std::nullopt;
            reader.m_tokens.push_back(Token{Field::Year, 4, 4, {}});
            break;
        case u'h':
        case u'H':
            if (run > 2)
                return std::nullopt;
            addNumber(c == u'h' ? Field::Hour12 : Field::Hour24, int(run), 2);
            break;
        case u'm':
            if (run > 2)
                return std::nullopt;
            addNumber(Field::Minute, int(run), 2);
            break;
        case u's':
            if (run > 2)
                return std::nullopt;
            addNumber(Field::Second, int(run), 2);
            break;
        case u'z':
            if (run != 1 && run != 3)
                return std::nullopt;
            reader.m_tokens.push_back(Token{Field::Msec, run == 3 ? 3 : 1, 3, {}});
            break;
        case u'a':
        case u'A':
            reader.m_tokens.push_back(Token{Field::AmPm, 0, 0, {}});
            // "AP" and "ap" are one field, as are "A" and "a".
            if (run == 1 && i + 1 < format.size()
                && (format.at(i + 1) == u'p' || format.at(i + 1) == u'P'))
                run = 2;
            else if (run != 1)
                return std::nullopt;
            break;
        case u't':
            return std::nullopt;
        default:
            addLiteral(QStringView(format).mid(i, run));
            break;
        }
        i += run;
    }

    // "h" counts to 12 only when the format has an AM/PM field.
    bool twelveHour = false;
    for (const Token &token : reader.m_tokens)
        twelveHour |= token.field == Field::AmPm;
    if (!twelveHour) {
        for (Token &token : reader.m_tokens) {
            if (token.field == Field::Hour12)
                token.field = Field::Hour24;
        }
    }

    // A number whose width varies must not touch the next number: where one ends would be a guess.
    bool hasDay = false, hasMonth = false, hasYear = false;
    for (std::size_t t = 0; t < reader.m_tokens.size(); ++t) {
        const Token &token = reader.m_tokens[t];
        hasDay |= token.field == Field::Day;
        hasMonth |= token.field == Field::Month || token.field == Field::MonthName;
        hasYear |= token.field == Field::Year;
        const bool variable = token.field != Field::Literal && token.field != Field::MonthName
                              && token.field != Field::AmPm && token.minDigits != token.maxDigits;
        if (variable && t + 1 < reader.m_tokens.size()) {
            const Field next = reader.m_tokens[t + 1].field;
            if (next != Field::Literal && next != Field::MonthName && next != Field::AmPm)
                return std::nullopt;
        }
    }
    if (!hasDay || !hasMonth || !hasYear)
        return std::nullopt;
    return reader;
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
