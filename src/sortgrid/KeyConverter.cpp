#include "KeyConverter.h"

#include "LocaleDigits.h"

#include "platform/DateText.h"

#include <charconv>
#include <memory>
#include <string>

namespace corvane::sortgrid {

KeyConverter::KeyConverter(const QLocale &locale)
    : m_locale(locale),
      m_decimal(locale.decimalPoint()),
      m_negative(locale.negativeSign()),
      m_positive(locale.positiveSign()),
      m_exponent(locale.exponential())
{
    m_zero = zeroDigitOf(locale.zeroDigit());

    // The forms the general date reader tries first, in its order; what these do not read goes
    // to the general reader, so the set of dates is the same, only faster to read.
    const QLocale c = QLocale::c();
    const QLocale locales[] = {locale, c};
    for (const QLocale &loc : locales) {
        const QString date = platform::shortDateFormat(loc);
        const QString full = date + u' ' + platform::timeWithSecondsFormat(loc);
        for (const QString &format : {full, date}) {
            if (auto reader = DateFormatReader::compile(format, loc))
                m_dateFormats.push_back(std::move(*reader));
        }
        if (loc == c)
            break;
    }
}

std::optional<double> KeyConverter::toNumber(QStringView input) const
{
    const QStringView text = input.trimmed();
    if (text.isEmpty())
        return std::nullopt;

    thread_local std::string buffer;
    buffer.clear();
    qsizetype pos = 0;
    auto skip = [&](QStringView token) {
        if (!token.isEmpty() && text.mid(pos).startsWith(token)) {
            pos += token.size();
            return true;
        }
        return false;
    };
    auto readSign = [&]() {
        if (skip(m_negative) || skip(u"-"))
            buffer += '-';
        else if (!skip(m_positive))
            skip(u"+");
    };
    auto readDigits = [&]() {
        int count = 0;
        int value = 0;
        while (readLocaleDigit(text, pos, m_zero, value)) {
            buffer += char('0' + value);
            ++count;
        }
        return count;
    };

    readSign();
    int digits = readDigits();
    if (skip(m_decimal)) {
        buffer += '.';
        digits += readDigits();
    }
    if (digits == 0)
        return std::nullopt;
    if (pos < text.size() && (skip(m_exponent) || skip(u"e") || skip(u"E"))) {
        buffer += 'e';
        readSign();
        if (readDigits() == 0)
            return std::nullopt;
    }
    if (pos != text.size())
        return std::nullopt;

    double value = 0;
    const char *first = buffer.data();
    const char *last = first + buffer.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last)
        return std::nullopt;
    return value;
}

std::optional<double> KeyConverter::toDateTime(QStringView text) const
{
    for (const DateFormatReader &reader : m_dateFormats) {
        if (auto key = reader.read(text))
            return key;
    }
    const auto parsed = platform::parseDateTimeText(text.toString(), m_locale);
    if (!parsed)
        return std::nullopt;
    const QDate date = parsed->date();
    return dateTimeKey(date.year(), date.month(), date.day(), parsed->time().msecsSinceStartOfDay());
}

const KeyConverter &defaultKeyConverter()
{
    thread_local std::unique_ptr<KeyConverter> converter;
    const QLocale current;
    if (!converter || !(converter->locale() == current))
        converter = std::make_unique<KeyConverter>(current);
    return *converter;
}

} // namespace corvane::sortgrid
