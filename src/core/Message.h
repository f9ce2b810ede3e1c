#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <pugixml.hpp>

#include <optional>

namespace corvane::platform {
class XmlDocument;
}

namespace corvane::core {

// One attached file as a Message element names it: Filename in a message file and the inbox,
// FilePath (the sender's full path) in Sent Items.
struct Attachment
{
    QString fileName;
    QString filePath;

    // The name shown for the file: Filename, or the last part of FilePath.
    QString shownName() const;
    bool operator==(const Attachment &) const = default;
};

// What a Message element holds: To (Recipient Name), From Name, Subject Text, Attachments, Date
// Value (the text as written) and the RTF Body. The stores add a GUID attribute to their copies.
struct Message
{
    QStringList to;
    QString from;
    QString subject;
    QList<Attachment> attachments;
    QString date;
    QString bodyRtf;
    std::optional<QString> guid; // the Message's GUID attribute, as the stores keep it

    QStringList attachmentNames() const;      // the Filename of each, as the receivers fetch them
    QStringList shownAttachmentNames() const; // the shown name of each
    bool operator==(const Message &) const = default;
};

// Reading a message for a list leaves the body out, which may be large.
enum class MessageParts { All, WithoutBody };

// Reads a Message element; a missing element or part reads as empty.
Message readMessage(const pugi::xml_node &element, MessageParts parts = MessageParts::All);
// Fills the (empty) element with the message's parts, in the order peers write them.
void writeMessage(pugi::xml_node element, const Message &message);

// A whole message file: Corvane with Message and System (Active, GUID, Version Number).
struct MessageFile
{
    std::optional<Message> message;   // none when the file has no Message element
    bool hasSystem = false;
    bool active = false;              // System Active: the message is still being edited
    std::optional<QString> guid;      // System GUID, when written
    QString version;                  // System Version Number

    bool operator==(const MessageFile &) const = default;
};

// The document a message file holds before anything is added to it.
QStringList messageFileTemplate();

// The Message element of a message file's document (empty when there is none): what the inbox
// store copies as it is.
pugi::xml_node messageElement(const platform::XmlDocument &document);

MessageFile readMessageFile(const platform::XmlDocument &document, MessageParts parts = MessageParts::All);
// Rebuilds the document as a message file; a file without message writes an empty Message.
void writeMessageFile(platform::XmlDocument &document, const MessageFile &file);

} // namespace corvane::core
