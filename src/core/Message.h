#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <QByteArray>
#include <QByteArrayView>

#include <functional>
#include <memory>
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
// Value (the text as written) and the RTF Body. The stores add a GUID attribute to their copies, the
// inbox store also the folder that keeps the message's attachments.
struct Message
{
    QStringList to;
    QString from;
    QString subject;
    QList<Attachment> attachments;
    QString date;
    QString bodyRtf;
    std::optional<QString> guid; // the Message's GUID attribute, as the stores keep it
    // The Message's AttachmentFolder attribute: the inbox store's folder for the message's files.
    std::optional<QString> attachmentFolder;

    QStringList attachmentNames() const;      // the Filename of each, as the receivers fetch them
    QStringList shownAttachmentNames() const; // the shown name of each
    bool operator==(const Message &) const = default;
};

// Reading a message for a list leaves the body out, which may be large.
enum class MessageParts { All, WithoutBody };

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

// The bytes of a message file as peers read it; a file without message writes an empty Message.
QByteArray messageFileBytes(const MessageFile &file);

// A message file read from its bytes. The document is kept whole, so that the inbox store can copy
// the Message element as the sender wrote it, parts this program does not know included.
class ParsedMessageFile
{
public:
    ParsedMessageFile();
    ~ParsedMessageFile();
    ParsedMessageFile(ParsedMessageFile &&) noexcept;
    ParsedMessageFile &operator=(ParsedMessageFile &&) noexcept;

    // Parses the bytes (UTF-8, or the 8-bit encoding the declaration names). Throws XmlError.
    void loadFromBytes(QByteArray bytes, const QString &sourceName);
    MessageFile read(MessageParts parts = MessageParts::All) const;
    const platform::XmlDocument &document() const { return *m_document; }

private:
    std::unique_ptr<platform::XmlDocument> m_document;
};

// The stored bodies of a store's messages, asked for by position in increasing order (each step
// walks on from the last): the text of each message's Body as stored, the rich text in UTF-8. A
// view stays valid while the store is unchanged and the next one is not asked for.
using StoredBodies = std::function<QByteArrayView(int message)>;

} // namespace corvane::core
