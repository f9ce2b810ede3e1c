#pragma once

#include "addressbook/MailSettings.h"
#include "core/Notice.h"

#include <QString>

class QWidget;

namespace corvane::shell {

// A worded message: an error box, a warning box or a plain message box, each with OK.
void showNoticeBox(QWidget *parent, const core::Notice &notice);

} // namespace corvane::shell
