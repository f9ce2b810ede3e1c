#include "SentStore.h"

#include "platform/Errors.h"
#include "platform/XmlNodes.h"

#include <QFileInfo>

#include <memory>

namespace corvane::sending {

namespace xml = platform::xml;

SentStore::SentStore(platform::XmlDocument &document, QObject *parent) : StoreRevision(parent), m_document(document) {}

QStringList SentStore::initialContent()
{
    return {QStringLiteral("<?xml version=\"1.0\"?>"), QStringLiteral("<Sentbox>"),
            QStringLiteral("  <Properties/>"), QStringLiteral("  <Messages/>"),
            QStringLiteral("</Sentbox>")};
}

void SentStore::open(const QString &path)
{
    openDocument(m_document, path);
}

pugi::xml_node SentStore::messages() const
{
    return xml::childByName(m_document.root(), "Messages");
}

namespace {

pugi::xml_node messagesIn(platform::XmlDocument &document)
{
    pugi::xml_node list = xml::childByName(document.root(), "Messages");
    pugi::xml_node root = document.root();
    if (!list && root)
        list = xml::appendChild(root, "Messages");
    return list;
}

} // namespace

void SentStore::SentboxFill(const platform::XmlDocument &outgoing, const QStringList &attachmentPaths)
{
    m_document.checkWritable();
    const core::MessageFile file = core::readMessageFile(outgoing);
    if (!file.message)
        throw XmlError(QStringLiteral("The outgoing message has no Message element"));
    pugi::xml_node list = messages();
    if (!list) {
        pugi::xml_node root = m_document.root();
        if (!root)
            throw XmlError(QStringLiteral("The Sent Items store has no root element"));
        list = xml::appendChild(root, "Messages");
    }
    core::Message message = *file.message;
    message.guid = file.guid.value_or(QString());
    message.attachments.clear();
    for (const QString &path : attachmentPaths)
        message.attachments.append({QString(), path});
    const pugi::xml_node stored = xml::appendChild(list, "Message");
    core::writeMessage(stored, message);
    auto kept = std::make_shared<pugi::xml_document>();
    kept->append_copy(stored);
    m_document.recordChange([kept](platform::XmlDocument &document) {
        if (pugi::xml_node target = messagesIn(document))
            target.append_copy(kept->first_child());
    });
    m_ids.appended(m_document.generation());
    raiseRevision();
    saveDocument(m_document);
}

int SentStore::count() const
{
    return xml::childCount(messages());
}

core::Message SentStore::message(int position) const
{
    const pugi::xml_node element = xml::childAt(messages(), position);
    if (!element)
        throw Error(QStringLiteral("There is no message number %1").arg(position + 1));
    return core::readMessage(element);
}

void SentStore::deleteAt(int position)
{
    m_document.checkWritable();
    pugi::xml_node list = messages();
    const pugi::xml_node message = xml::childAt(list, position);
    if (!message)
        throw Error(QStringLiteral("There is no message number %1").arg(position + 1));
    m_document.recordChange([identity = xml::identityOf(message)](platform::XmlDocument &document) {
        pugi::xml_node messages = xml::childByName(document.root(), "Messages");
        if (const pugi::xml_node found = xml::childWithIdentity(messages, identity))
            messages.remove_child(found);
    });
    list.remove_child(message);
    m_ids.removed(position, m_document.generation());
    raiseRevision();
    saveDocument(m_document);
}

std::optional<platform::RecordId> SentStore::recordId(int position) const
{
    return m_ids.at(position, count(), m_document.generation());
}

std::vector<platform::RecordId> SentStore::recordIds() const
{
    return m_ids.all(count(), m_document.generation());
}

std::optional<int> SentStore::positionOf(platform::RecordId id) const
{
    return m_ids.positionOf(id, count(), m_document.generation());
}


QList<SentRow> SentStore::rows() const
{
    QList<SentRow> result;
    int number = 0;
    for (pugi::xml_node message = messages().first_child(); message; message = message.next_sibling()) {
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
