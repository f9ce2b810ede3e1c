#pragma once

#include <QLoggingCategory>

// The shell library's log (corvane.shell), off below warnings unless the rules enable it.
Q_DECLARE_LOGGING_CATEGORY(lcShell)
