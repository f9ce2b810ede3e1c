#pragma once

#include <QString>

#include <pugixml.hpp>

namespace corvane::receiving {

// Fetches the attached files of a message taken in by the mail check.
class AttachmentRetrieval
{
public:
    virtual ~AttachmentRetrieval() = default;

    // `message` is the stored message (copy on) or, for a duplicate, the Message element of the
    // file that was dropped (copy off); `folder` is where the message file lay; `ownInbox` is the
    // user's own inbox folder, where attachments are wanted.
    virtual void GetAttach(const pugi::xml_node &message, const QString &folder, bool copy,
                           const QString &ownInbox) = 0;
};

} // namespace corvane::receiving
