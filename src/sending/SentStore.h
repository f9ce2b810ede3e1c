#pragma once

#include "DeliveryRecord.h"

#include "core/Message.h"
#include "platform/Paths.h"
#include "platform/RecordStore.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

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
    // Where the send wrote the message's files; none for a message sent by an older copy.
    std::optional<DeliveryRecord> delivery;

    bool operator==(const SentRow &) const = default;
};

// The Sent Items store "Sent Items.cva": a copy of every sent Message, oldest first, carrying the
// message's GUID and the attached files' full paths. Messages are addressed by position; their
// rows are kept in memory, the whole message is read from the file when asked for. Every
// recording, deletion and open raises the revision.
class SentStore : public platform::RecordStore
{
    Q_OBJECT

public:
    explicit SentStore(QObject *parent = nullptr);

    static QStringList initialContent();
    static QString pathIn(const QString &folder) { return platform::joinPath(folder, kSentStoreFileName); }

    // Records a sent message: a copy of the outgoing message with the System's GUID and, in
    // Attachments, one FilePath per attached file, and in Delivery one File per message file
    // written (Recipient, Path, Relay; older copies ignore the element), then saves. A failed save throws WriteError and
    // keeps the change in memory.
    void SentboxFill(const core::MessageFile &outgoing, const QStringList &attachmentPaths,
                     const QList<DeliveredFile> &delivered = {});

    // The message at a position, whole. Throws Error for a missing one.
    core::Message message(int position) const;
    void deleteAt(int position);
    QList<SentRow> rows() const;
    // Where the send of the message at a position wrote its files; none for an older copy's.
    const std::optional<DeliveryRecord> &delivery(int position) const { return m_rows.at(size_t(position)).delivery; }
    // The stored bodies from the first message on, read from the file on any one thread.
    core::StoredBodies bodies() const;

protected:
    void clearSummaries() override { m_rows.clear(); }
    void addSummary(const pugi::xml_node &record) override;
    void removeSummary(int position) override { m_rows.erase(m_rows.begin() + position); }

private:
    std::vector<SentRow> m_rows; // numbered when asked for
};

} // namespace corvane::sending
