#include "InboxStore.h"

#include "platform/Errors.h"
#include "platform/XmlNodes.h"

#include <cstring>
#include <memory>

namespace corvane::receiving {

namespace xml = platform::xml;

namespace {

pugi::xml_node nextMessage(pugi::xml_node node)
{
    while (node && node.type() != pugi::node_element)
        node = node.next_sibling();
    return node;
}

// What the grid and the tool show of a stored message.
InboxRow inboxRowOf(const pugi::xml_node &element, int number)
{
    const core::Message message = core::readMessage(element, core::MessageParts::WithoutBody);
    return {number,
            message.from,
            message.subject,
            message.attachmentNames().join(QStringLiteral(", ")),
            message.date,
            xml::attributeText(element, "Read")};
}

// The one place that reads a stored message's elements for the reader.
InboxMessage inboxMessageOf(const pugi::xml_node &message)
{
    const core::Message stored = core::readMessage(message);
    return {stored.from, stored.to, stored.subject, stored.attachmentNames(), stored.date, stored.bodyRtf,
            xml::attributeText(message, "Read")};
}

pugi::xml_node messagesOf(const platform::XmlDocument &document)
{
    return xml::childByName(document.root(), "Messages");
}

// Appends Messages to the root when missing; an empty node when there is no root.
pugi::xml_node ensureMessagesIn(platform::XmlDocument &document)
{
    pugi::xml_node list = messagesOf(document);
    pugi::xml_node root = document.root();
    if (!list && root)
        list = xml::appendChild(root, "Messages");
    return list;
}

void ensurePropertiesIn(platform::XmlDocument &document)
{
    pugi::xml_node root = document.root();
    if (root && !xml::childByName(root, "Properties"))
        xml::appendChild(root, "Properties");
}

bool holdsGuid(const pugi::xml_node &list, const char *guid)
{
    for (pugi::xml_node message = list.first_child(); message; message = message.next_sibling())
        if (message.type() == pugi::node_element && std::strcmp(message.attribute("GUID").value(), guid) == 0)
            return true;
    return false;
}

// The read mark is left out of a message's identity: the other copy of the store may have set it.
constexpr const char *kReadMark = "Read";

} // namespace

InboxStore::InboxStore(platform::XmlDocument &document, QObject *parent)
    : StoreRevision(parent), m_document(document)
{
}

QStringList InboxStore::initialContent()
{
    return {QStringLiteral("<?xml version=\"1.0\"?>"), QStringLiteral("<Inbox>"),
            QStringLiteral("  <Properties/>"), QStringLiteral("</Inbox>")};
}

void InboxStore::open(const QString &path)
{
    openDocument(m_document, path);
}

void InboxStore::save()
{
    saveDocument(m_document);
}

void InboxStore::saveReadMarks()
{
    if (readMarksUnsaved())
        save();
}

pugi::xml_node InboxStore::messages() const
{
    return xml::childByName(m_document.root(), "Messages");
}

pugi::xml_node InboxStore::ensureMessages()
{
    if (pugi::xml_node list = messages())
        return list;
    m_document.checkWritable();
    const pugi::xml_node list = ensureMessagesIn(m_document);
    if (!list)
        throw XmlError(QStringLiteral("The inbox store has no root element"));
    m_document.recordChange(ensureMessagesIn);
    return list;
}

void InboxStore::ensureProperties()
{
    pugi::xml_node root = m_document.root();
    if (!root || xml::childByName(root, "Properties"))
        return;
    m_document.checkWritable();
    ensurePropertiesIn(m_document);
    m_document.recordChange(ensurePropertiesIn);
}

int InboxStore::count() const
{
    return xml::childCount(messages());
}

pugi::xml_node InboxStore::messageAt(int position) const
{
    return xml::childAt(messages(), position);
}

core::Message InboxStore::message(int position) const
{
    const pugi::xml_node element = messageAt(position);
    if (!element)
        throw Error(QStringLiteral("There is no message number %1").arg(position + 1));
    return core::readMessage(element);
}

QList<InboxRow> InboxStore::rows() const
{
    QList<InboxRow> result;
    for (pugi::xml_node message = nextMessage(messages().first_child()); message;
         message = nextMessage(message.next_sibling()))
        result.append(inboxRowOf(message, int(result.size()) + 1));
    return result;
}

InboxRow InboxStore::rowAt(int position) const
{
    const pugi::xml_node list = messages();
    if (m_cursor.revision != revision() || m_cursor.list != list || m_cursor.position > position || !m_cursor.message)
        m_cursor = {revision(), list, nextMessage(list.first_child()), 0};
    while (m_cursor.message && m_cursor.position < position) {
        m_cursor.message = nextMessage(m_cursor.message.next_sibling());
        ++m_cursor.position;
    }
    if (position < 0 || !m_cursor.message)
        throw Error(QStringLiteral("There is no message number %1").arg(position + 1));
    return inboxRowOf(m_cursor.message, position + 1);
}

InboxMessage InboxStore::shownMessage(int position) const
{
    const pugi::xml_node found = position >= 0 ? messageAt(position) : pugi::xml_node();
    if (!found)
        throw Error(QStringLiteral("There is no message number %1").arg(position + 1));
    return inboxMessageOf(found);
}

void InboxStore::appendMessage(const pugi::xml_node &message, const QString *guidText)
{
    pugi::xml_node list = ensureMessages();
    pugi::xml_node copy = list.append_copy(message);
    xml::writeAttribute(copy, "Read", kUnread);
    if (guidText)
        xml::writeAttribute(copy, "GUID", *guidText);
    // Taken again after a reload, unless the other copy of the store took the same message.
    auto kept = std::make_shared<pugi::xml_document>();
    kept->append_copy(copy);
    m_document.recordChange([kept](platform::XmlDocument &document) {
        const pugi::xml_node stored = kept->first_child();
        pugi::xml_node target = ensureMessagesIn(document);
        const char *guid = stored.attribute("GUID").value();
        if (target && !(*guid && holdsGuid(target, guid)))
            target.append_copy(stored);
    });
    m_ids.appended(generation());
    raiseRevision();
}

void InboxStore::markRead(int position)
{
    pugi::xml_node message = messageAt(position);
    if (!message || xml::attributeText(message, "Read") != kUnread)
        return;
    xml::writeAttribute(message, "Read", kRead);
    m_document.recordChange([identity = xml::identityOf(message, kReadMark)](platform::XmlDocument &document) {
        pugi::xml_node found = xml::childWithIdentity(messagesOf(document), identity, kReadMark);
        if (found && xml::attributeText(found, "Read") == kUnread)
            xml::writeAttribute(found, "Read", kRead);
    });
    raiseRevision();
}

void InboxStore::deleteAt(int position)
{
    m_document.checkWritable();
    pugi::xml_node list = messages();
    const pugi::xml_node message = xml::childAt(list, position);
    if (!message)
        throw Error(QStringLiteral("There is no message number %1").arg(position + 1));
    m_document.recordChange([identity = xml::identityOf(message, kReadMark)](platform::XmlDocument &document) {
        pugi::xml_node messages = messagesOf(document);
        if (const pugi::xml_node found = xml::childWithIdentity(messages, identity, kReadMark))
            messages.remove_child(found);
    });
    list.remove_child(message);
    m_ids.removed(position, generation());
    raiseRevision();
    save();
}

std::optional<platform::RecordId> InboxStore::recordId(int position) const
{
    return m_ids.at(position, count(), generation());
}

std::vector<platform::RecordId> InboxStore::recordIds() const
{
    return m_ids.all(count(), generation());
}

std::optional<int> InboxStore::positionOf(platform::RecordId id) const
{
    return m_ids.positionOf(id, count(), generation());
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
