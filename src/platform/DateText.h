#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <optional>

namespace corvane::platform {

// The date text of messages: the locale's short date (with a four-digit year), one blank, then the
// time of day with seconds in the locale's time format; at exactly midnight the date alone.
QString dateTimeText(const QDateTime &when, const QLocale &locale = QLocale());

// Reads back what dateTimeText wrote in the same locale; also takes ISO 8601 text and the C
// locale's form, so dates written on another machine still sort. None when nothing fits.
std::optional<QDateTime> parseDateTimeText(const QString &text, const QLocale &locale = QLocale());

// The formats dateTimeText uses, exposed for tests and the grid's date detection.
QString shortDateFormat(const QLocale &locale);
QString timeWithSecondsFormat(const QLocale &locale);

} // namespace corvane::platform
