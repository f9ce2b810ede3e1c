#pragma once

#include <QLoggingCategory>

// The addressbook library's log (corvane.addressbook), off below warnings unless the rules enable it.
Q_DECLARE_LOGGING_CATEGORY(lcAddressbook)
