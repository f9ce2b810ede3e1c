#pragma once

#include "AttachmentFiles.h"
#include "KnownMessageGuids.h"

#include "core/Message.h"
#include "platform/Paths.h"
#include "platform/RecordStore.h"

#include <QHash>
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
    QString guid;            // the GUID attribute as stored; empty when it has none
    KeptFiles files;         // where its attachments are kept

    bool operator==(const InboxMessage &) const = default;
};

// The local inbox store "InBox.cvi": received messages under Messages, oldest first, each a copy
// of a message file's Message element with the store's own attributes: Read, GUID and (for a
// message with attachments) AttachmentFolder. Messages are addressed by their
// 0-based position. The rows are kept in memory, each message's whole element is read from the
// file when asked for. Every change of the messages (append, read mark, deletion, open) raises the
// revision. Used on the UI thread only.
class InboxStore : public platform::RecordStore
{
    Q_OBJECT

public:
    explicit InboxStore(QObject *parent = nullptr);
    ~InboxStore() override;

    static QStringList initialContent();

    // Opens the store; when it holds messages stored without a folder of their own for their
    // attachments, records from when on the inbox folder's files are no longer theirs (noteKeptSince).
    void open(const QString &path) override;
    static QString pathIn(const QString &inboxDataFolder) { return platform::joinPath(inboxDataFolder, kInboxStoreFileName); }

    // Appends Messages / Properties as the root's last child when missing.
    void ensureMessages();
    void ensureProperties();

    // The message at a position, whole. Throws Error for a missing one.
    core::Message message(int position) const;
    QList<InboxRow> rows() const;
    // The row of the message at a position. Throws Error for a missing one.
    InboxRow rowAt(int position) const;
    // The message at a position as the reader shows it, with its read mark. Throws Error for a
    // missing one.
    InboxMessage shownMessage(int position) const;
    // The stored bodies from the first message on, read from the file on any one thread.
    core::StoredBodies bodies() const;

    // A copy of a message file's Message element as the sender wrote it, with the store's own
    // attributes in place of any the sender wrote on it: marked unread, carrying the identifier
    // and, when it names attachments, the name of the folder under Attachments that keeps them
    // (the GUID, or a new one for a message without a GUID that can name a folder). Returns that
    // folder name; empty for a message without attachments.
    QString appendMessage(const core::ParsedMessageFile &file, const QString *guidText);
    // Which of the names the messages stored without a folder of their own give for their
    // attachments, files they open in the own inbox folder when older than keeping per message.
    InboxFolderClaims inboxFolderClaims(const QStringList &names) const;
    // Marks the message read when it is unread; not saved here (with the next check, deletion or
    // when the window closes), then written in place.
    void markRead(int position);
    // Marks the message unread again when it is read; saved as markRead's marks are.
    void markUnread(int position);
    // How many messages are marked unread, kept as marks change.
    int unreadCount() const { return m_unread; }
    // Read marks (or other changes) were made since the store was last saved or loaded.
    bool readMarksUnsaved() const { return hasUnsavedChanges(); }
    // Saves when read marks are unsaved, so that they outlive the session. Throws WriteError.
    void saveReadMarks();
    // Removes the message and saves at once. Throws IoError, changing nothing, when the store is
    // read-only.
    void deleteAt(int position);

    // The identifiers of the messages taken in: those of the store as read (one without GUID
    // counts as all-zero) and those taken in since. Made afresh whenever the file is read again,
    // so it never speaks for messages that a reload dropped.
    receiving::KnownMessageGuids &knownMessageGuids();

protected:
    void clearSummaries() override;
    void addSummary(const pugi::xml_node &record) override;
    void removeSummary(int position) override;
    void summaryMarked(int position, const QByteArray &value) override;
    QByteArray keyOf(const pugi::xml_node &record) const override;
    bool holdsKey(const QByteArray &key) override;

private:
    // What the list shows of a message, kept for every message.
    struct Summary
    {
        QString from;
        QString subject;
        QString attachments;
        QString date;
        QString read;
        QStringList inboxFolderNames; // stored without a folder of its own: its attachments' names
    };
    const Summary &summaryAt(int position) const;
    void setReadMark(int position, const QString &mark);

    std::vector<Summary> m_summaries;
    int m_unread = 0; // summaries marked kUnread
    // The attachment names of the messages stored without a folder of their own, case-folded, with
    // how many such messages give each.
    QHash<QString, int> m_inboxFolderNames;
    std::optional<QDateTime> m_keptSince;
    receiving::KnownMessageGuids m_knownGuids; // of the messages read from the file and added since
};

} // namespace corvane::receiving
