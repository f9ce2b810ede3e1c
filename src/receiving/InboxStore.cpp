#include "InboxStore.h"

#include "platform/Errors.h"
#include "platform/Paths.h"
#include "platform/XmlNodes.h"

namespace corvane::receiving {

namespace xml = platform::xml;

InboxStore::InboxStore(platform::XmlDocument &document) : m_document(document) {}

QStringList InboxStore::initialContent()
{
    return {QStringLiteral("<?xml version=\"1.0\"?>"), QStringLiteral("<Inbox>"),
            QStringLiteral("  <Properties/>"), QStringLiteral("</Inbox>")};
}

void InboxStore::open(const QString &path)
{
    m_document.activate();
    if (!platform::fileExists(path))
        m_document.saveTo(path);
    m_document.loadFromFile(path);
}

void InboxStore::save()
{
    m_document.save();
}

pugi::xml_node InboxStore::messages() const
{
    return xml::childByName(m_document.root(), "Messages");
}

pugi::xml_node InboxStore::ensureMessages()
{
    pugi::xml_node list = messages();
    if (list)
        return list;
    pugi::xml_node root = m_document.root();
    if (!root)
        throw XmlError(QStringLiteral("The inbox store has no root element"));
    return xml::appendChild(root, "Messages");
}

void InboxStore::ensureProperties()
{
    pugi::xml_node root = m_document.root();
    if (root && !xml::childByName(root, "Properties"))
        xml::appendChild(root, "Properties");
}

int InboxStore::count() const
{
    return xml::childCount(messages());
}

pugi::xml_node InboxStore::messageAt(int position) const
{
    return xml::childAt(messages(), position);
}

pugi::xml_node InboxStore::appendMessage(const pugi::xml_node &message, const QString *guidText)
{
    pugi::xml_node list = ensureMessages();
    pugi::xml_node copy = list.append_copy(message);
    xml::writeAttribute(copy, "Read", kUnread);
    if (guidText)
        xml::writeAttribute(copy, "GUID", *guidText);
    return copy;
}

void InboxStore::markRead(int position)
{
    pugi::xml_node message = messageAt(position);
    if (!message)
        return;
    if (xml::attributeText(message, "Read") == kUnread)
        xml::writeAttribute(message, "Read", kRead);
    InboxDirty = true;
}

void InboxStore::deleteAt(int position)
{
    pugi::xml_node list = messages();
    if (!xml::deleteChildAt(list, position))
        throw Error(QStringLiteral("There is no message number %1").arg(position + 1));
    InboxDirty = true;
    save();
}

KnownMessageGuids &InboxStore::knownMessageGuids()
{
    if (m_knownBuilt && m_knownGeneration == generation())
        return m_knownGuids;
    m_knownGuids.clear();
    m_knownGeneration = generation();
    m_knownBuilt = true;
    for (pugi::xml_node message = messages().first_child(); message; message = message.next_sibling()) {
        if (message.type() != pugi::node_element)
            continue;
        const pugi::xml_attribute guid = message.attribute("GUID");
        m_knownGuids.add(guid ? QString::fromUtf8(guid.value()) : KnownMessageGuids::zeroGuid());
    }
    return m_knownGuids;
}

} // namespace corvane::receiving
