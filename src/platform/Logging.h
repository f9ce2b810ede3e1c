#pragma once

#include <QLoggingCategory>

// The platform library's log: retries, locks broken as stale, copy failures. Off below warnings
// unless the rules enable it (corvane-cli --verbose, QT_LOGGING_RULES="corvane.*=true").
Q_DECLARE_LOGGING_CATEGORY(lcPlatform)

namespace corvane::platform {

// Turns on every level of every corvane.* category.
void enableVerboseLogging();

} // namespace corvane::platform
