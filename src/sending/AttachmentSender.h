#pragma once

#include "addressbook/RecipientList.h"

#include <QStringList>

namespace corvane::sending {

// Starts copying the attached files into every delivery target; does not wait for the copies.
class AttachmentSender
{
public:
    virtual ~AttachmentSender() = default;
    virtual void SendAtachmentsProc(const addressbook::RecipientList &targets, const QStringList &paths) = 0;
};

} // namespace corvane::sending
