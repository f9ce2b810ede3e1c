#pragma once

#include "KnownMessageGuids.h"

#include "core/Message.h"
#include "platform/Paths.h"
#include "platform/XmlStore.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

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
class InboxStore : public platform::XmlStore
{
    Q_OBJECT

public:
    explicit InboxStore(QObject *parent = nullptr);
    ~InboxStore() override;

    static QStringList initialContent();
    static QString pathIn(const QString &inboxDataFolder) { return platform::joinPath(inboxDataFolder, kInboxStoreFileName); }

    // Appends Messages / Properties as the root's last child when missing.
    void ensureMessages();
    void ensureProperties();

    // The message at a position, whole. Throws Error for a missing one.
    core::Message message(int position) const;
    QList<InboxRow> rows() const;
    // The row of the message at a position. Asking for positions in increasing order walks the
    // messages once, so a grid can read a big inbox row by row. Throws Error for a missing one.
    InboxRow rowAt(int position) const;
    // The message at a position as the reader shows it, with its read mark. Throws Error for a
    // missing one.
    InboxMessage shownMessage(int position) const;
    // The stored bodies from the first message on, which find reads in bulk without copying them.
    core::StoredBodies bodies() const;

    // A copy of a message file's Message element as the sender wrote it, marked unread and
    // carrying the identifier.
    void appendMessage(const core::ParsedMessageFile &file, const QString *guidText);
    // Marks the message read when it is unread; not saved here (with the next check, deletion or
    // when the window closes).
    void markRead(int position);
    // Read marks (or other changes) were made since the store was last saved or loaded.
    bool readMarksUnsaved() const { return hasUnsavedChanges(); }
    // Saves when read marks are unsaved, so that they outlive the session. Throws WriteError.
    void saveReadMarks();
    // Removes the message and saves at once. Throws IoError, changing nothing, when the store is
    // read-only.
    void deleteAt(int position);

    // The identifiers of the messages taken in: those of the store as loaded (one without GUID
    // counts as all-zero) and those taken in since. Built afresh whenever the document has been
    // loaded again, so it never speaks for messages that a reload dropped.
    receiving::KnownMessageGuids &knownMessageGuids();

private:
    // Where rowAt() stopped: valid while the revision and the Messages element stay the same.
    struct Cursor;

    receiving::KnownMessageGuids m_knownGuids;
    quint64 m_knownGeneration = 0;
    bool m_knownBuilt = false;
    std::unique_ptr<Cursor> m_cursor;
};

} // namespace corvane::receiving
