#pragma once

#include <QLoggingCategory>

// The wire format's log: Attach.ini counts recorded and counted down, at debug level.
Q_DECLARE_LOGGING_CATEGORY(lcCore)
