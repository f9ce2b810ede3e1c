#pragma once

#include <QLoggingCategory>

// The sending library's log (corvane.sending), off below warnings unless the rules enable it.
Q_DECLARE_LOGGING_CATEGORY(lcSending)
