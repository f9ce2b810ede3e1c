#include "DateText.h"

#include <QRegularExpression>

namespace corvane::platform {

QString shortDateFormat(const QLocale &locale)
{
    QString format = locale.dateFormat(QLocale::ShortFormat);
    // Two-digit years read back ambiguously (26 -> 1926): always write four digits.
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return format;
}

QString timeWithSecondsFormat(const QLocale &locale)
{
    QString format = locale.timeFormat(QLocale::ShortFormat);
    if (!format.contains(u's')) {
        static const QRegularExpression minutes(QStringLiteral("(mm?)"));
        const auto match = minutes.match(format);
        if (match.hasMatch())
            format.insert(match.capturedEnd(), QStringLiteral(":ss"));
        else
            format = QStringLiteral("HH:mm:ss");
    }
    return format;
}

QString dateTimeText(const QDateTime &when, const QLocale &locale)
{
    const QString date = locale.toString(when.date(), shortDateFormat(locale));
    const QTime time = when.time();
    if (time.hour() == 0 && time.minute() == 0 && time.second() == 0)
        return date;
    return date + u' ' + locale.toString(time, timeWithSecondsFormat(locale));
}

std::optional<QDateTime> parseDateTimeText(const QString &input, const QLocale &locale)
{
    const QString text = input.trimmed();
    if (text.isEmpty())
        return std::nullopt;

    const QLocale c = QLocale::c();
    const QLocale locales[] = {locale, c};
    for (const QLocale &loc : locales) {
        const QString dateFormat = shortDateFormat(loc);
        const QDateTime full =
            loc.toDateTime(text, dateFormat + u' ' + timeWithSecondsFormat(loc));
        if (full.isValid())
            return full;
        const QDate dateOnly = loc.toDate(text, dateFormat);
        if (dateOnly.isValid())
            return QDateTime(dateOnly, QTime(0, 0));
        // The locale's own two-digit-year format, as another writer may use it.
        const QDate shortYear = loc.toDate(text, loc.dateFormat(QLocale::ShortFormat));
        if (shortYear.isValid())
            return QDateTime(shortYear.addYears(shortYear.year() < 1950 ? 100 : 0), QTime(0, 0));
    }
    const QDateTime iso = QDateTime::fromString(text, Qt::ISODate);
    if (iso.isValid())
        return iso;
    return std::nullopt;
}

} // namespace corvane::platform
