#include "SentStore.h"

#include "core/MessageXml.h"
#include "platform/Errors.h"
#include "platform/XmlDocument.h"
#include "platform/XmlNodes.h"

#include <QFileInfo>

#include <memory>

namespace corvane::sending {

namespace xml = platform::xml;

namespace {

constexpr platform::XmlStore::Records kRecords{"Messages", "There is no message number %1"};

} // namespace

SentStore::SentStore(QObject *parent) : XmlStore(kRecords, initialContent(), parent) {}

QStringList SentStore::initialContent()
{
    return {QStringLiteral("<?xml version=\"1.0\"?>"), QStringLiteral("<Sentbox>"),
            QStringLiteral("  <Properties/>"), QStringLiteral("  <Messages/>"),
            QStringLiteral("</Sentbox>")};
}

namespace {

pugi::xml_node messagesOf(const platform::XmlDocument &document)
{
    return xml::childByName(document.root(), "Messages");
}

pugi::xml_node messagesIn(platform::XmlDocument &document)
{
    return xml::ensureChild(document.root(), "Messages");
}

} // namespace

void SentStore::SentboxFill(const core::MessageFile &file, const QStringList &attachmentPaths)
{
    platform::XmlDocument &stored = document();
    stored.checkWritable();
    if (!file.message)
        throw XmlError(QStringLiteral("The outgoing message has no Message element"));
    pugi::xml_node list = messagesIn(stored);
    if (!list)
        throw XmlError(QStringLiteral("The Sent Items store has no root element"));
    core::Message message = *file.message;
    message.guid = file.guid.value_or(QString());
    message.attachments.clear();
    for (const QString &path : attachmentPaths)
        message.attachments.append({QString(), path});
    const pugi::xml_node element = xml::appendChild(list, "Message");
    core::writeMessage(element, message);
    auto kept = std::make_shared<pugi::xml_document>();
    kept->append_copy(element);
    stored.recordChange([kept](platform::XmlDocument &reloaded) {
        if (pugi::xml_node target = messagesIn(reloaded))
            target.append_copy(kept->first_child());
    });
    recordAppended();
    raiseRevision();
    save();
}

core::Message SentStore::message(int position) const
{
    const pugi::xml_node element = xml::childAt(messagesOf(document()), position);
    if (!element)
        throw missingRecord(position);
    return core::readMessage(element);
}

void SentStore::deleteAt(int position)
{
    removeRecord(position);
}

core::StoredBodies SentStore::bodies() const
{
    return core::storedBodies(messagesOf(document()).first_child());
}

QList<SentRow> SentStore::rows() const
{
    QList<SentRow> result;
    int number = 0;
    for (pugi::xml_node message = messagesOf(document()).first_child(); message; message = message.next_sibling()) {
        if (message.type() != pugi::node_element)
            continue;
        const core::Message sent = core::readMessage(message, core::MessageParts::WithoutBody);
        SentRow row;
        row.number = ++number;
        for (const QString &name : sent.to)
            row.to += name + QStringLiteral(", ");
        row.subject = sent.subject;
        for (const core::Attachment &attachment : sent.attachments)
            row.attachments += QFileInfo(attachment.filePath).fileName() + QStringLiteral(", ");
        row.date = sent.date;
        result.append(row);
    }
    return result;
}

} // namespace corvane::sending
