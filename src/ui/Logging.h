#pragma once

#include <QLoggingCategory>

// The list components' log: message bodies find could not read as rich text.
Q_DECLARE_LOGGING_CATEGORY(lcUi)
