#pragma once

#include "addressbook/RecipientList.h"

#include <QStringList>

namespace corvane::sending {

// Starts copying the attached files into every delivery target; does not wait for the copies.
// `recipientNames` is the message's recipient list: a server folder receives one message file per
// name, and each of them fetches the files once.
class AttachmentSender
{
public:
    virtual ~AttachmentSender() = default;
    virtual void SendAtachmentsProc(const addressbook::RecipientList &targets, const QStringList &paths,
                                    const QStringList &recipientNames) = 0;
};

} // namespace corvane::sending
