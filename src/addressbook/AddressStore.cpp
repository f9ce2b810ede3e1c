#include "AddressStore.h"

#include "RecipientList.h"

#include "platform/XmlNodes.h"

#include <utility>

namespace corvane::addressbook {

namespace xml = platform::xml;

namespace {

AddressEntry readEntry(const pugi::xml_node &element)
{
    AddressEntry entry;
    entry.Name = xml::attributeText(element, "Name");
    entry.Inbox = xml::attributeText(element, "Inbox");
    entry.Comment = xml::attributeText(element, "Comment");
    // Only "True" marks a server; anything else (missing, misspelt) is a personal inbox.
    entry.Server = core::isTrue(xml::attributeText(element, "Server"));
    return entry;
}

void writeEntry(pugi::xml_node &element, const AddressEntry &entry)
{
    xml::writeAttribute(element, "Name", entry.Name);
    xml::writeAttribute(element, "Inbox", entry.Inbox);
    xml::writeAttribute(element, "Comment", entry.Comment);
    xml::writeAttribute(element, "Server", core::truthText(entry.Server));
}

pugi::xml_node addressesIn(platform::XmlDocument &document)
{
    pugi::xml_node list = xml::childByName(document.root(), "Addresses");
    pugi::xml_node root = document.root();
    if (!list && root)
        list = xml::appendChild(root, "Addresses");
    return list;
}

void appendEntry(platform::XmlDocument &document, const AddressEntry &entry)
{
    if (pugi::xml_node list = addressesIn(document)) {
        pugi::xml_node element = xml::appendChild(list, "Address");
        writeEntry(element, entry);
    }
}

} // namespace

AddressStore::AddressStore(platform::XmlDocument &document, QObject *parent)
    : StoreRevision(parent), m_document(document)
{
}

QStringList AddressStore::initialContent()
{
    return {QStringLiteral("<?xml version=\"1.0\"?>"), QStringLiteral("<Addressbook>"),
            QStringLiteral("  <Addresses/>"), QStringLiteral("</Addressbook>")};
}

void AddressStore::open(const QString &path)
{
    // An inactive document takes its built-in content; one already in use is written as it is
    // to a newly chosen folder that has no store yet.
    openDocument(m_document, path);
}

pugi::xml_node AddressStore::addresses() const
{
    return xml::childByName(m_document.root(), "Addresses");
}

int AddressStore::count() const
{
    return xml::childCount(addresses());
}

QList<AddressEntry> AddressStore::entries() const
{
    QList<AddressEntry> result;
    for (pugi::xml_node child = addresses().first_child(); child; child = child.next_sibling())
        if (child.type() == pugi::node_element)
            result.append(readEntry(child));
    return result;
}

QList<AddressRow> AddressStore::rows() const
{
    QList<AddressRow> result;
    for (const AddressEntry &entry : entries())
        result.append({int(result.size()) + 1, entry});
    return result;
}

AddressEntry AddressStore::entryAt(int position) const
{
    const pugi::xml_node element = xml::childAt(addresses(), position);
    if (!element)
        throw Error(QStringLiteral("There is no address number %1").arg(position + 1));
    return readEntry(element);
}

int AddressStore::append(const AddressEntry &entry)
{
    m_document.checkWritable();
    pugi::xml_node list = addresses();
    if (!list) {
        pugi::xml_node root = m_document.root();
        if (!root)
            throw XmlError(QStringLiteral("The address list has no Addressbook element"));
        list = xml::appendChild(root, "Addresses");
    }
    pugi::xml_node element = xml::appendChild(list, "Address");
    writeEntry(element, entry);
    m_document.recordChange([entry](platform::XmlDocument &document) { appendEntry(document, entry); });
    const int position = count() - 1;
    m_ids.appended(m_document.generation());
    changedAndSave();
    return position;
}

void AddressStore::update(int position, const AddressEntry &entry)
{
    m_document.checkWritable();
    pugi::xml_node element = xml::childAt(addresses(), position);
    if (!element)
        throw Error(QStringLiteral("There is no address number %1").arg(position + 1));
    // Made again to the entry as it was; one the other copy changed or removed meanwhile is kept
    // beside it as a new entry, so that neither edit is lost.
    m_document.recordChange([identity = xml::identityOf(element), entry](platform::XmlDocument &document) {
        pugi::xml_node found = xml::childWithIdentity(addressesIn(document), identity);
        if (found)
            writeEntry(found, entry);
        else
            appendEntry(document, entry);
    });
    writeEntry(element, entry);
    changedAndSave();
}

void AddressStore::remove(int position)
{
    m_document.checkWritable();
    pugi::xml_node list = addresses();
    const pugi::xml_node element = xml::childAt(list, position);
    if (!element)
        throw Error(QStringLiteral("There is no address number %1").arg(position + 1));
    m_document.recordChange([identity = xml::identityOf(element)](platform::XmlDocument &document) {
        pugi::xml_node addresses = addressesIn(document);
        if (const pugi::xml_node found = xml::childWithIdentity(addresses, identity))
            addresses.remove_child(found);
    });
    list.remove_child(element);
    m_ids.removed(position, m_document.generation());
    changedAndSave();
}

std::optional<platform::RecordId> AddressStore::recordId(int position) const
{
    return m_ids.at(position, count(), m_document.generation());
}

std::vector<platform::RecordId> AddressStore::recordIds() const
{
    return m_ids.all(count(), m_document.generation());
}

std::optional<int> AddressStore::positionOf(platform::RecordId id) const
{
    return m_ids.positionOf(id, count(), m_document.generation());
}

void AddressStore::changedAndSave()
{
    raiseRevision();
    saveDocument(m_document);
}

} // namespace corvane::addressbook
