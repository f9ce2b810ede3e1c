#include "Logging.h"

Q_LOGGING_CATEGORY(lcUi, "corvane.ui", QtWarningMsg)
