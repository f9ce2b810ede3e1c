#pragma once

#include "core/Message.h"
#include "platform/RecordIds.h"
#include "platform/StoreRevision.h"
#include "platform/XmlDocument.h"
#include "platform/Paths.h"

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
class SentStore : public platform::StoreRevision
{
    Q_OBJECT

public:
    explicit SentStore(platform::XmlDocument &document, QObject *parent = nullptr);

    static QStringList initialContent();
    static QString pathIn(const QString &folder) { return platform::joinPath(folder, kSentStoreFileName); }

    // Makes the path the document's file (writing the document there first when the file is
    // missing) and loads it. Throws IoError or XmlError; the revision rises either way.
    void open(const QString &path);

    // Records a sent message: a copy of the outgoing Message with the System's GUID and, in
    // Attachments, one FilePath per attached file, then saves. A failed save throws WriteError and
    // keeps the change in memory.
    void SentboxFill(const platform::XmlDocument &outgoing, const QStringList &attachmentPaths);

    int count() const;
    // The message at a position, whole. Throws Error for a missing one.
    core::Message message(int position) const;
    void deleteAt(int position);
    QList<SentRow> rows() const;

    // The identity of the message at a position, which stays with it while others come and go;
    // nothing for a position outside the store.
    std::optional<platform::RecordId> recordId(int position) const;
    // Where the message with that identity is now; nothing when it is gone.
    std::optional<int> positionOf(platform::RecordId id) const;
    // Every message's identity, in store order.
    std::vector<platform::RecordId> recordIds() const;

    platform::XmlDocument &document() { return m_document; }

    // The first stored Message element, from which find walks the stored bodies in bulk without
    // copying them.
    pugi::xml_node firstMessageElement() const { return messages().first_child(); }

private:
    pugi::xml_node messages() const;
    platform::XmlDocument &m_document;
    mutable platform::RecordIds m_ids;
};

} // namespace corvane::sending
