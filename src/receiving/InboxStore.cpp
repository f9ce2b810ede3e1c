#include "InboxStore.h"

#include "core/MessageXml.h"
#include "platform/Errors.h"
#include "platform/FileNames.h"
#include "platform/Guid.h"
#include "platform/XmlDocument.h"
#include "platform/XmlNodes.h"

#include <QFileInfo>

namespace corvane::receiving {

namespace xml = platform::xml;

namespace {

// The read mark is changed in place; find reads the bodies.
const platform::RecordStore::Names kNames{{"Messages", "Body", "Read"}, QT_TRANSLATE_NOOP("corvane::platform::RecordStore", "There is no message number %1")};

} // namespace

InboxStore::InboxStore(QObject *parent) : RecordStore(kNames, initialContent(), parent) {}

InboxStore::~InboxStore() = default;

QStringList InboxStore::initialContent()
{
    return {QStringLiteral("<?xml version=\"1.0\"?>"), QStringLiteral("<Inbox>"),
            QStringLiteral("  <Properties/>"), QStringLiteral("</Inbox>")};
}

void InboxStore::open(const QString &path)
{
    RecordStore::open(path);
    const QString data = QFileInfo(path).path();
    m_keptSince = m_inboxFolderNames.isEmpty() ? keptSince(data) : std::optional(noteKeptSince(data));
}

void InboxStore::clearSummaries()
{
    m_summaries.clear();
    m_unread = 0;
    m_knownGuids.clear();
    m_inboxFolderNames.clear();
}

void InboxStore::addSummary(const pugi::xml_node &record)
{
    const core::Message message = core::readMessage(record, core::MessageParts::WithoutBody);
    m_summaries.push_back({message.from, message.subject, message.attachmentNames().join(QStringLiteral(", ")),
                           message.date, xml::attributeText(record, "Read"), {}});
    if (m_summaries.back().read == kUnread)
        ++m_unread;
    if (!message.attachmentFolder) {
        for (const QString &name : message.attachmentNames()) {
            if (name.isEmpty())
                continue;
            m_summaries.back().inboxFolderNames.append(name);
            ++m_inboxFolderNames[name.toCaseFolded()];
        }
    }
    // Known as it is read, so the first check after a start does not walk the store. A message
    // without GUID counts as the all-zero one.
    const pugi::xml_attribute guid = record.attribute("GUID");
    if (guid)
        m_knownGuids.addStored(QByteArrayView(guid.value()));
    else
        m_knownGuids.add(KnownMessageGuids::zeroGuid());
}

void InboxStore::removeSummary(int position)
{
    if (m_summaries[size_t(position)].read == kUnread)
        --m_unread;
    for (const QString &name : std::as_const(m_summaries[size_t(position)].inboxFolderNames)) {
        const auto it = m_inboxFolderNames.find(name.toCaseFolded());
        if (it != m_inboxFolderNames.end() && --it.value() <= 0)
            m_inboxFolderNames.erase(it);
    }
    m_summaries.erase(m_summaries.begin() + position);
}

void InboxStore::summaryMarked(int position, const QByteArray &value)
{
    Summary &summary = m_summaries[size_t(position)];
    const QString mark = QString::fromUtf8(value);
    m_unread += (mark == kUnread ? 1 : 0) - (summary.read == kUnread ? 1 : 0);
    summary.read = mark;
}

QByteArray InboxStore::keyOf(const pugi::xml_node &record) const
{
    return QByteArray(record.attribute("GUID").value());
}

bool InboxStore::holdsKey(const QByteArray &key)
{
    return knownMessageGuids().contains(QString::fromUtf8(key));
}

const InboxStore::Summary &InboxStore::summaryAt(int position) const
{
    if (position < 0 || position >= int(m_summaries.size()))
        throw missingRecord(position);
    return m_summaries[size_t(position)];
}

void InboxStore::saveReadMarks()
{
    if (readMarksUnsaved())
        save();
}

void InboxStore::ensureMessages()
{
    ensureRootChild("Messages");
}

void InboxStore::ensureProperties()
{
    ensureRootChild("Properties");
}

core::Message InboxStore::message(int position) const
{
    pugi::xml_document document;
    return core::readMessage(parseRecord(position, document));
}

QList<InboxRow> InboxStore::rows() const
{
    QList<InboxRow> result;
    result.reserve(count());
    for (int position = 0; position < count(); ++position)
        result.append(rowAt(position));
    return result;
}

InboxRow InboxStore::rowAt(int position) const
{
    const Summary &summary = summaryAt(position);
    return {position + 1, summary.from, summary.subject, summary.attachments, summary.date, summary.read};
}

InboxMessage InboxStore::shownMessage(int position) const
{
    const Summary &summary = summaryAt(position);
    const core::Message stored = message(position);
    return {stored.from, stored.to, stored.subject, stored.attachmentNames(), stored.date, stored.bodyRtf, summary.read,
            stored.guid.value_or(QString()), keptFilesOf(stored)};
}

core::StoredBodies InboxStore::bodies() const
{
    return bodyReader();
}

QString InboxStore::appendMessage(const core::ParsedMessageFile &file, const QString *guidText)
{
    pugi::xml_document copy;
    pugi::xml_node element = copy.append_copy(core::messageElement(file.document()));
    // Attributes on Message are the store's own: a message file has none there, and what a sender
    // wrote there never chooses the message's identity, its mark or its attachments' folder.
    element.remove_attributes();
    xml::writeAttribute(element, "Read", kUnread);
    if (guidText)
        xml::writeAttribute(element, "GUID", *guidText);
    QString folder;
    if (element.child("Attachments").child("Attachment")) {
        folder = guidText && platform::isValidFileName(*guidText) ? *guidText : platform::newGuidText();
        xml::writeAttribute(element, "AttachmentFolder", folder);
    }
    appendRecord(elementBytes(element));
    return folder;
}

InboxFolderClaims InboxStore::inboxFolderClaims(const QStringList &names) const
{
    InboxFolderClaims claims{{}, m_keptSince};
    for (const QString &name : names) {
        if (m_inboxFolderNames.contains(name.toCaseFolded()))
            claims.names.append(name);
    }
    return claims;
}

void InboxStore::markRead(int position)
{
    if (position >= 0 && position < count() && m_summaries[size_t(position)].read == kUnread)
        setReadMark(position, kRead);
}

void InboxStore::markUnread(int position)
{
    if (position >= 0 && position < count() && m_summaries[size_t(position)].read == kRead)
        setReadMark(position, kUnread);
}

void InboxStore::setReadMark(int position, const QString &mark)
{
    setMark(position, mark.toUtf8());
    Summary &summary = m_summaries[size_t(position)];
    m_unread += (mark == kUnread ? 1 : 0) - (summary.read == kUnread ? 1 : 0);
    summary.read = mark;
    raiseRevision();
}

void InboxStore::deleteAt(int position)
{
    removeRecord(position);
}

KnownMessageGuids &InboxStore::knownMessageGuids()
{
    return m_knownGuids;
}

} // namespace corvane::receiving
