#include "SentStore.h"

#include "platform/Errors.h"
#include "platform/XmlNodes.h"

#include <QFileInfo>

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

void SentStore::SentboxFill(const platform::XmlDocument &outgoing, const QStringList &attachmentPaths)
{
    const pugi::xml_node source = outgoing.root().child("Message");
    if (!source)
        throw XmlError(QStringLiteral("The outgoing message has no Message element"));
    pugi::xml_node list = messages();
    if (!list) {
        pugi::xml_node root = m_document.root();
        if (!root)
            throw XmlError(QStringLiteral("The Sent Items store has no root element"));
        list = xml::appendChild(root, "Messages");
    }
    pugi::xml_node copy = xml::appendCopy(list, source);
    xml::writeAttribute(copy, "GUID", xml::attributeText(outgoing.root().child("System"), "GUID"));
    pugi::xml_node attachments = copy.child("Attachments");
    if (!attachments)
        attachments = xml::appendChild(copy, "Attachments");
    while (attachments.first_child())
        attachments.remove_child(attachments.first_child());
    for (const QString &path : attachmentPaths) {
        pugi::xml_node attachment = xml::appendChild(attachments, "Attachment");
        xml::writeAttribute(attachment, "FilePath", path);
    }
    raiseRevision();
    m_document.save();
}

int SentStore::count() const
{
    return xml::childCount(messages());
}

pugi::xml_node SentStore::messageAt(int position) const
{
    return xml::childAt(messages(), position);
}

void SentStore::deleteAt(int position)
{
    pugi::xml_node list = messages();
    if (!xml::deleteChildAt(list, position))
        throw Error(QStringLiteral("There is no message number %1").arg(position + 1));
    raiseRevision();
    m_document.save();
}

QList<SentRow> SentStore::rows() const
{
    QList<SentRow> result;
    int number = 0;
    for (pugi::xml_node message = messages().first_child(); message; message = message.next_sibling()) {
        if (message.type() != pugi::node_element)
            continue;
        SentRow row;
        row.number = ++number;
        for (const pugi::xml_node &recipient : message.child("To").children("Recipient"))
            row.to += xml::attributeText(recipient, "Name") + QStringLiteral(", ");
        row.subject = xml::attributeText(message.child("Subject"), "Text");
        for (const pugi::xml_node &attachment : message.child("Attachments").children("Attachment")) {
            // The path is the sender's own; its folder separators are this machine's.
            const QString path = xml::attributeText(attachment, "FilePath");
            row.attachments += QFileInfo(path).fileName() + QStringLiteral(", ");
        }
        row.date = xml::attributeText(message.child("Date"), "Value");
        result.append(row);
    }
    return result;
}

} // namespace corvane::sending
