#pragma once

#include "platform/XmlDocument.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace corvane::sending {

// The values of one message file.
struct MessageContent
{
    QStringList recipients;
    QString from;
    QString subject;
    QStringList attachmentNames; // file names without folder
    QDateTime date;
    QString rtfBody;
    bool active = false;
    QString guid;    // braced upper-case form
    QString version; // "3.0.0.0"
};

// The document a message file holds before anything is added to it.
QStringList messageTemplate();

// Rebuilds the document as a message file: Corvane with Message (To, From, Subject, Attachments,
// Date, Body) and System (Active, GUID, Version).
void buildMessageDocument(platform::XmlDocument &document, const MessageContent &content);

// What a message document holds, read back (for the stores and tests).
MessageContent readMessageDocument(const platform::XmlDocument &document);

} // namespace corvane::sending
