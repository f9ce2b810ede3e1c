#include "Logging.h"

Q_LOGGING_CATEGORY(lcSending, "corvane.sending", QtWarningMsg)
