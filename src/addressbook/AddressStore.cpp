#include "AddressStore.h"

#include "RecipientList.h"

#include "platform/XmlDocument.h"
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

pugi::xml_node addressesOf(const platform::XmlDocument &document)
{
    return xml::childByName(document.root(), "Addresses");
}

pugi::xml_node addressesIn(platform::XmlDocument &document)
{
    return xml::ensureChild(document.root(), "Addresses");
}

void appendEntry(platform::XmlDocument &document, const AddressEntry &entry)
{
    if (pugi::xml_node list = addressesIn(document)) {
        pugi::xml_node element = xml::appendChild(list, "Address");
        writeEntry(element, entry);
    }
}

// The missing-record text is translated where the store words the error.
constexpr platform::XmlStore::Records kRecords{
    "Addresses", QT_TRANSLATE_NOOP("corvane::platform::XmlStore", "There is no address number %1")};

} // namespace

AddressStore::AddressStore(QObject *parent) : XmlStore(kRecords, initialContent(), parent) {}

AddressStore::AddressStore(platform::XmlDocument &document, QObject *parent) : XmlStore(kRecords, document, parent) {}

QStringList AddressStore::initialContent()
{
    return {QStringLiteral("<?xml version=\"1.0\"?>"), QStringLiteral("<Addressbook>"),
            QStringLiteral("  <Addresses/>"), QStringLiteral("</Addressbook>")};
}

QList<AddressEntry> AddressStore::entries() const
{
    QList<AddressEntry> result;
    for (pugi::xml_node child = addressesOf(document()).first_child(); child; child = child.next_sibling())
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
    const pugi::xml_node element = xml::childAt(addressesOf(document()), position);
    if (!element)
        throw missingRecord(position);
    return readEntry(element);
}

int AddressStore::append(const AddressEntry &entry)
{
    platform::XmlDocument &stored = document();
    stored.checkWritable();
    pugi::xml_node list = addressesIn(stored);
    if (!list)
        throw XmlError(tr("The address list has no Addressbook element"));
    pugi::xml_node element = xml::appendChild(list, "Address");
    writeEntry(element, entry);
    stored.recordChange([entry](platform::XmlDocument &reloaded) { appendEntry(reloaded, entry); });
    const int position = count() - 1;
    recordAppended();
    changedAndSave();
    return position;
}

void AddressStore::update(int position, const AddressEntry &entry)
{
    platform::XmlDocument &stored = document();
    stored.checkWritable();
    pugi::xml_node element = xml::childAt(addressesOf(stored), position);
    if (!element)
        throw missingRecord(position);
    // Made again to the entry as it was; one the other copy changed or removed meanwhile is kept
    // beside it as a new entry, so that neither edit is lost.
    stored.recordChange([identity = xml::identityOf(element), entry](platform::XmlDocument &reloaded) {
        pugi::xml_node found = xml::childWithIdentity(addressesIn(reloaded), identity);
        if (found)
            writeEntry(found, entry);
        else
            appendEntry(reloaded, entry);
    });
    writeEntry(element, entry);
    changedAndSave();
}

void AddressStore::remove(int position)
{
    removeRecord(position);
}

void AddressStore::changedAndSave()
{
    raiseRevision();
    save();
}

} // namespace corvane::addressbook
