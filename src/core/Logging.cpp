#include "Logging.h"

Q_LOGGING_CATEGORY(lcCore, "corvane.core", QtWarningMsg)
