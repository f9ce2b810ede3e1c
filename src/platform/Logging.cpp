#include "Logging.h"

Q_LOGGING_CATEGORY(lcPlatform, "corvane.platform", QtWarningMsg)

namespace corvane::platform {

void enableVerboseLogging()
{
    QLoggingCategory::setFilterRules(QStringLiteral("corvane.*=true"));
    qSetMessagePattern(QStringLiteral("%{category}: %{message}"));
}

} // namespace corvane::platform
