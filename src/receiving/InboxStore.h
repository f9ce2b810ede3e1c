#pragma once

#include "KnownMessageGuids.h"

#include "core/Message.h"
#include "platform/RecordIds.h"
#include "platform/StoreRevision.h"
#include "platform/XmlDocument.h"
#include "platform/Paths.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace corvane::receiving {

inline const QString kInboxStoreFileName = QStringLiteral("InBox.cvi");
inline const QString kUnread = QStringLiteral("Unread");
inline const QString kRead = QStringLiteral("Read");

// One row of the InBox grid, as the command-line tool lists it too.
struct InboxRow
{
    int number = 0;      // "Msg No.": position + 1
    QString from;        // the sender's name
    QString subject;     // the subject line
    QString attachments; // the attached files' names joined by ", "
    QString date;        // the date text as stored
    QString read;        // the read mark as stored: "Unread" or "Read"

    bool operator==(const InboxRow &) const = default;
};

// A stored message as the reader shows it.
struct InboxMessage
{
    QString from;            // the sender's name
    QStringList to;          // the recipients' names
    QString subject;
    QStringList attachments; // the attached files' names as the sender wrote them
    QString date;            // the date text as stored
    QString bodyRtf;         // the body as stored: RTF
    QString read;            // "Unread" or "Read"

    bool operator==(const InboxMessage &) const = default;
};

// The local inbox store "InBox.cvi": received messages under Messages, oldest first, each a copy
// of a message file's Message element with Read and GUID added. Messages are addressed by their
// 0-based position. Every change of the messages (append, read mark, deletion, open) raises the
// revision. Used on the UI thread only.
class InboxStore : public platform::StoreRevision
{
    Q_OBJECT

public:
    explicit InboxStore(platform::XmlDocument &document, QObject *parent = nullptr);

    static QStringList initialContent();
    static QString pathIn(const QString &inboxDataFolder) { return platform::joinPath(inboxDataFolder, kInboxStoreFileName); }

    // Makes the path the document's file (writing the document there first when the file is
    // missing) and loads it. Throws IoError or XmlError; the revision rises either way.
    void open(const QString &path);
    // Writes the whole document to its file; when another installation changed the file, its
    // content is taken first and this store's changes made to it again (XmlDocument::save). Throws WriteError, or IoError when the
    // store is read-only.
    void save();

    pugi::xml_node messages() const;
    // Appends Messages / Properties as the root's last child when missing.
    pugi::xml_node ensureMessages();
    void ensureProperties();

    int count() const;
    // The message at a position, whole. Throws Error for a missing one.
    core::Message message(int position) const;
    QList<InboxRow> rows() const;
    // The row of the message at a position. Asking for positions in increasing order walks the
    // messages once, so a grid can read a big inbox row by row. Throws Error for a missing one.
    InboxRow rowAt(int position) const;
    // The message at a position as the reader shows it, with its read mark. Throws Error for a
    // missing one.
    InboxMessage shownMessage(int position) const;

    // A copy of a message file's Message element, marked unread and carrying the identifier.
    void appendMessage(const pugi::xml_node &message, const QString *guidText);
    // Marks the message read when it is unread; not saved here (with the next check, deletion or
    // when the window closes).
    void markRead(int position);
    // Read marks (or other changes) were made since the store was last saved or loaded.
    bool readMarksUnsaved() const { return m_document.hasPendingChanges(); }
    // Saves when read marks are unsaved, so that they outlive the session. Throws WriteError.
    void saveReadMarks();
    // Removes the message and saves at once. Throws IoError, changing nothing, when the store is
    // read-only.
    void deleteAt(int position);

    // The identity of the message at a position, which stays with it while other messages come
    // and go; nothing for a position outside the store.
    std::optional<platform::RecordId> recordId(int position) const;
    // Where the message with that identity is now; nothing when it is gone.
    std::optional<int> positionOf(platform::RecordId id) const;
    // Every message's identity, in store order.
    std::vector<platform::RecordId> recordIds() const;

    // The identifiers of the messages taken in: those of the store as loaded (one without GUID
    // counts as all-zero) and those taken in since. Built afresh whenever the document has been
    // loaded again, so it never speaks for messages that a reload dropped.
    receiving::KnownMessageGuids &knownMessageGuids();

    // Changes whenever the document is loaded again: tells a check that the store it appended to
    // is gone.
    quint64 generation() const { return m_document.generation(); }

    platform::XmlDocument &document() { return m_document; }


    // The first stored Message element, from which find walks the stored bodies in bulk without
    // copying them.
    pugi::xml_node firstMessageElement() const { return messageAt(0); }

private:
    pugi::xml_node messageAt(int position) const;

    // Where rowAt() stopped: valid while the revision and the Messages element stay the same.
    struct Cursor
    {
        quint64 revision = 0;
        pugi::xml_node list;
        pugi::xml_node message;
        int position = 0;
    };

    platform::XmlDocument &m_document;
    receiving::KnownMessageGuids m_knownGuids;
    quint64 m_knownGeneration = 0;
    bool m_knownBuilt = false;
    mutable Cursor m_cursor;
    mutable platform::RecordIds m_ids;
};

} // namespace corvane::receiving
