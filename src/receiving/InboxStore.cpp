#include "InboxStore.h"

#include "core/MessageXml.h"
#include "platform/Errors.h"
#include "platform/XmlDocument.h"
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
    return xml::ensureChild(document.root(), "Messages");
}

void ensurePropertiesIn(platform::XmlDocument &document)
{
    xml::ensureChild(document.root(), "Properties");
}

bool holdsGuid(const pugi::xml_node &list, const char *guid)
{
    for (pugi::xml_node message = list.first_child(); message; message = message.next_sibling())
        if (message.type() == pugi::node_element && std::strcmp(message.attribute("GUID").value(), guid) == 0)
            return true;
    return false;
}

pugi::xml_node ensureMessagesElement(platform::XmlDocument &document)
{
    if (pugi::xml_node list = messagesOf(document))
        return list;
    document.checkWritable();
    const pugi::xml_node list = ensureMessagesIn(document);
    if (!list)
        throw XmlError(QStringLiteral("The inbox store has no root element"));
    document.recordChange(ensureMessagesIn);
    return list;
}

pugi::xml_node messageAt(const platform::XmlDocument &document, int position)
{
    return position >= 0 ? xml::childAt(messagesOf(document), position) : pugi::xml_node();
}

// The read mark is left out of a message's identity: the other copy of the store may have set it.
constexpr const char *kReadMark = "Read";

constexpr platform::XmlStore::Records kRecords{"Messages", "There is no message number %1"};

} // namespace

struct InboxStore::Cursor
{
    quint64 revision = 0;
    pugi::xml_node list;
    pugi::xml_node message;
    int position = 0;
};

InboxStore::InboxStore(QObject *parent)
    : XmlStore(kRecords, initialContent(), parent), m_cursor(std::make_unique<Cursor>())
{
}

InboxStore::~InboxStore() = default;

QStringList InboxStore::initialContent()
{
    return {QStringLiteral("<?xml version=\"1.0\"?>"), QStringLiteral("<Inbox>"),
            QStringLiteral("  <Properties/>"), QStringLiteral("</Inbox>")};
}

void InboxStore::saveReadMarks()
{
    if (readMarksUnsaved())
        save();
}

void InboxStore::ensureMessages()
{
    ensureMessagesElement(document());
}

void InboxStore::ensureProperties()
{
    platform::XmlDocument &stored = document();
    pugi::xml_node root = stored.root();
    if (!root || xml::childByName(root, "Properties"))
        return;
    stored.checkWritable();
    ensurePropertiesIn(stored);
    stored.recordChange(ensurePropertiesIn);
}

core::Message InboxStore::message(int position) const
{
    const pugi::xml_node element = xml::childAt(messagesOf(document()), position);
    if (!element)
        throw missingRecord(position);
    return core::readMessage(element);
}

QList<InboxRow> InboxStore::rows() const
{
    QList<InboxRow> result;
    for (pugi::xml_node message = nextMessage(messagesOf(document()).first_child()); message;
         message = nextMessage(message.next_sibling()))
        result.append(inboxRowOf(message, int(result.size()) + 1));
    return result;
}

InboxRow InboxStore::rowAt(int position) const
{
    const pugi::xml_node list = messagesOf(document());
    Cursor &cursor = *m_cursor;
    if (cursor.revision != revision() || cursor.list != list || cursor.position > position || !cursor.message)
        cursor = {revision(), list, nextMessage(list.first_child()), 0};
    while (cursor.message && cursor.position < position) {
        cursor.message = nextMessage(cursor.message.next_sibling());
        ++cursor.position;
    }
    if (position < 0 || !cursor.message)
        throw missingRecord(position);
    return inboxRowOf(cursor.message, position + 1);
}

InboxMessage InboxStore::shownMessage(int position) const
{
    const pugi::xml_node found = messageAt(document(), position);
    if (!found)
        throw missingRecord(position);
    return inboxMessageOf(found);
}

core::StoredBodies InboxStore::bodies() const
{
    return core::storedBodies(messageAt(document(), 0));
}

void InboxStore::appendMessage(const core::ParsedMessageFile &file, const QString *guidText)
{
    platform::XmlDocument &stored = document();
    pugi::xml_node list = ensureMessagesElement(stored);
    pugi::xml_node copy = list.append_copy(core::messageElement(file.document()));
    xml::writeAttribute(copy, "Read", kUnread);
    if (guidText)
        xml::writeAttribute(copy, "GUID", *guidText);
    // Taken again after a reload, unless the other copy of the store took the same message.
    auto kept = std::make_shared<pugi::xml_document>();
    kept->append_copy(copy);
    stored.recordChange([kept](platform::XmlDocument &reloaded) {
        const pugi::xml_node message = kept->first_child();
        pugi::xml_node target = ensureMessagesIn(reloaded);
        const char *guid = message.attribute("GUID").value();
        if (target && !(*guid && holdsGuid(target, guid)))
            target.append_copy(message);
    });
    recordAppended();
    raiseRevision();
}

void InboxStore::markRead(int position)
{
    pugi::xml_node message = messageAt(document(), position);
    if (!message || xml::attributeText(message, "Read") != kUnread)
        return;
    xml::writeAttribute(message, "Read", kRead);
    document().recordChange([identity = xml::identityOf(message, kReadMark)](platform::XmlDocument &document) {
        pugi::xml_node found = xml::childWithIdentity(messagesOf(document), identity, kReadMark);
        if (found && xml::attributeText(found, "Read") == kUnread)
            xml::writeAttribute(found, "Read", kRead);
    });
    raiseRevision();
}

void InboxStore::deleteAt(int position)
{
    removeRecord(position, kReadMark);
}

KnownMessageGuids &InboxStore::knownMessageGuids()
{
    if (m_knownBuilt && m_knownGeneration == generation())
        return m_knownGuids;
    m_knownGuids.clear();
    m_knownGeneration = generation();
    m_knownBuilt = true;
    for (pugi::xml_node message = messagesOf(document()).first_child(); message; message = message.next_sibling()) {
        if (message.type() != pugi::node_element)
            continue;
        const pugi::xml_attribute guid = message.attribute("GUID");
        m_knownGuids.add(guid ? QString::fromUtf8(guid.value()) : KnownMessageGuids::zeroGuid());
    }
    return m_knownGuids;
}

} // namespace corvane::receiving
