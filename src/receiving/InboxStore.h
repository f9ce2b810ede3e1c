#pragma once

#include "KnownMessageGuids.h"

#include "platform/XmlDocument.h"

#include <QString>
#include <QStringList>

namespace corvane::receiving {

inline const QString kInboxStoreFileName = QStringLiteral("InBox.cvi");
inline const QString kUnread = QStringLiteral("Unread");
inline const QString kRead = QStringLiteral("Read");

// The local inbox store "InBox.cvi": received messages under Messages, oldest first, each a copy
// of a message file's Message element with Read and GUID added. Messages are addressed by their
// 0-based position. Used on the UI thread only.
class InboxStore
{
public:
    explicit InboxStore(platform::XmlDocument &document);

    static QStringList initialContent();
    static QString pathIn(const QString &inboxDataFolder) { return inboxDataFolder + kInboxStoreFileName; }

    // Makes the path the document's file (writing the document there first when the file is
    // missing) and loads it. Throws IoError or XmlError.
    void open(const QString &path);
    // Writes the whole document to its file. Throws WriteError.
    void save();

    pugi::xml_node messages() const;
    // Appends Messages / Properties as the root's last child when missing.
    pugi::xml_node ensureMessages();
    void ensureProperties();

    int count() const;
    pugi::xml_node messageAt(int position) const;
    // A copy of a message file's Message element, marked unread and carrying the identifier.
    pugi::xml_node appendMessage(const pugi::xml_node &message, const QString *guidText);
    // Marks the message read (when unread) and the grid for refilling; not saved until the next
    // check or deletion.
    void markRead(int position);
    // Removes the message and saves at once.
    void deleteAt(int position);

    // The identifiers of the messages taken in: those of the store as loaded (one without GUID
    // counts as all-zero) and those taken in since. Built afresh whenever the document has been
    // loaded again, so it never speaks for messages that a reload dropped.
    receiving::KnownMessageGuids &knownMessageGuids();

    // Changes whenever the document is loaded again: tells a check that the store it appended to
    // is gone.
    quint64 generation() const { return m_document.generation(); }

    platform::XmlDocument &document() { return m_document; }

    bool InboxDirty = true;

private:
    platform::XmlDocument &m_document;
    receiving::KnownMessageGuids m_knownGuids;
    quint64 m_knownGeneration = 0;
    bool m_knownBuilt = false;
};

} // namespace corvane::receiving
