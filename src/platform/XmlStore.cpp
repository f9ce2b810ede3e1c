#include "XmlStore.h"

#include "Paths.h"
#include "XmlDocument.h"
#include "XmlNodes.h"

namespace corvane::platform {

XmlStore::XmlStore(Records records, const QStringList &initialContent, QObject *parent)
    : Store(parent), m_records(records), m_own(std::make_unique<XmlDocument>(initialContent)),
      m_document(*m_own)
{
}

XmlStore::XmlStore(Records records, XmlDocument &document, QObject *parent)
    : Store(parent), m_records(records), m_document(document)
{
}

XmlStore::~XmlStore() = default;

int XmlStore::count() const
{
    return xml::childCount(xml::childByName(m_document.root(), m_records.listElement));
}

Error XmlStore::missingRecord(int position) const
{
    return Error(tr(m_records.missingText).arg(position + 1));
}

void XmlStore::removeRecord(int position, const char *ignored)
{
    m_document.checkWritable();
    pugi::xml_node list = xml::childByName(m_document.root(), m_records.listElement);
    const pugi::xml_node record = xml::childAt(list, position);
    if (!record)
        throw missingRecord(position);
    m_document.recordChange([identity = xml::identityOf(record, ignored), listElement = m_records.listElement,
                             ignored](XmlDocument &reloaded) {
        pugi::xml_node records = xml::childByName(reloaded.root(), listElement);
        if (const pugi::xml_node found = xml::childWithIdentity(records, identity, ignored))
            records.remove_child(found);
    });
    list.remove_child(record);
    recordRemoved(position);
    raiseRevision();
    save();
}

std::optional<RecordId> XmlStore::recordId(int position) const
{
    return m_ids.at(position, count(), generation());
}

std::optional<int> XmlStore::positionOf(RecordId id) const
{
    return m_ids.positionOf(id, count(), generation());
}

std::vector<RecordId> XmlStore::recordIds() const
{
    return m_ids.all(count(), generation());
}

void XmlStore::recordAppended()
{
    m_ids.appended(generation());
}

void XmlStore::recordRemoved(int position)
{
    m_ids.removed(position, generation());
}

void XmlStore::open(const QString &path)
{
    try {
        m_document.activate();
        if (!fileExists(path))
            m_document.saveTo(path);
        m_document.loadFromFile(path);
    } catch (const Error &) {
        raiseRevision(); // activating may have replaced the content already
        throw;
    }
    raiseRevision();
}

void XmlStore::openIfPresent(const QString &path)
{
    m_document.activate();
    m_document.setFileName(path);
    if (fileExists(path))
        m_document.load();
    raiseRevision();
}

void XmlStore::saveUnsavedChanges()
{
    if (m_document.hasPendingChanges() && !m_document.isReadOnly() && !m_document.fileName().isEmpty())
        save();
}

void XmlStore::save()
{
    const quint64 before = generation();
    try {
        m_document.save();
    } catch (const Error &) {
        if (generation() != before)
            raiseRevision();
        throw;
    }
    if (generation() != before)
        raiseRevision();
}

bool XmlStore::isActive() const
{
    return m_document.isActive();
}

const QString &XmlStore::fileName() const
{
    return m_document.fileName();
}

bool XmlStore::hasUnsavedChanges() const
{
    return m_document.hasPendingChanges();
}

void XmlStore::setReadOnly(const QString &reason)
{
    m_document.setReadOnly(reason);
}

bool XmlStore::isReadOnly() const
{
    return m_document.isReadOnly();
}

const QString &XmlStore::readOnlyReason() const
{
    return m_document.readOnlyReason();
}

void XmlStore::checkSavable() const
{
    m_document.checkSavable();
}

quint64 XmlStore::generation() const
{
    return m_document.generation();
}

} // namespace corvane::platform
