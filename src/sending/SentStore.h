#pragma once

#include "core/Message.h"
#include "platform/Paths.h"
#include "platform/XmlStore.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace corvane::sending {

inline const QString kSentStoreFileName = QStringLiteral("Sent Items.cva");

// One row of the Sent Items grid.
struct SentRow
{
    int number = 0;      // "Msg No.": position + 1
    QString to;          // every recipient followed by ", "
    QString subject;
    QString attachments; // every attached file's name followed by ", "
    QString date;

    bool operator==(const SentRow &) const = default;
};

// The Sent Items store "Sent Items.cva": a copy of every sent Message, oldest first, carrying the
// message's GUID and the attached files' full paths. Messages are addressed by position. Every
// recording, deletion and open raises the revision.
class SentStore : public platform::XmlStore
{
    Q_OBJECT

public:
    explicit SentStore(QObject *parent = nullptr);

    static QStringList initialContent();
    static QString pathIn(const QString &folder) { return platform::joinPath(folder, kSentStoreFileName); }

    // Records a sent message: a copy of the outgoing message with the System's GUID and, in
    // Attachments, one FilePath per attached file, then saves. A failed save throws WriteError and
    // keeps the change in memory.
    void SentboxFill(const core::MessageFile &outgoing, const QStringList &attachmentPaths);

    // The message at a position, whole. Throws Error for a missing one.
    core::Message message(int position) const;
    void deleteAt(int position);
    QList<SentRow> rows() const;
    // The stored bodies from the first message on, which find reads in bulk without copying them.
    core::StoredBodies bodies() const;
};

} // namespace corvane::sending
