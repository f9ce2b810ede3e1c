#include "Logging.h"

Q_LOGGING_CATEGORY(lcReceiving, "corvane.receiving", QtWarningMsg)
