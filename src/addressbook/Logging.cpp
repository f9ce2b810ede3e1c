#include "Logging.h"

Q_LOGGING_CATEGORY(lcAddressbook, "corvane.addressbook", QtWarningMsg)
