#include "Logging.h"

Q_LOGGING_CATEGORY(lcShell, "corvane.shell", QtWarningMsg)
