#pragma once

#include <QLoggingCategory>

// The receiving library's log (corvane.receiving), off below warnings unless the rules enable it.
Q_DECLARE_LOGGING_CATEGORY(lcReceiving)
