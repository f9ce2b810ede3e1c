#pragma once

#include "DeliveryRecord.h"

#include "platform/RecordIds.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QThreadPool>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace corvane::sending {

// Whether the file written is there now: one stat, asked again for a while when a share fails for
// a moment. A file of another size or time under its name is another message's.
bool deliveredFileThere(const DeliveredFile &file);

// Where a sent message's files are now, as the Delivery column says it: "Waiting: Bob" (a file in
// the recipient's own folder), "Relayed: Cy" (only in relay folders), "Not delivered: Dan" (no file
// was written), "Picked up" once every written file is gone. `there` holds one flag per file of the
// record, in order.
QString deliveryText(const DeliveryRecord &record, const QList<bool> &there);
// The same, looking at each file now on the calling thread (for the tool).
QString deliveryTextNow(const DeliveryRecord &record);

// Looks at the files of sent messages on workers, one task per folder, each folder given a time
// limit (a share that cannot be reached can keep a stat waiting for minutes; its files count as
// still there). Only the recorded files are looked at, never a folder's listing. A message whose
// files are all gone is not looked at again. A look asked for while one runs follows it.
class DeliveryWatch : public QObject
{
    Q_OBJECT

public:
    static constexpr int kDefaultTimeoutMs = 10000;

    using Records = std::vector<std::pair<platform::RecordId, DeliveryRecord>>;
    struct State
    {
        platform::RecordId id = 0;
        QString text;
    };

    explicit DeliveryWatch(QObject *parent = nullptr);
    // Waits for the stats under way.
    ~DeliveryWatch() override;

    void setFileTest(std::function<bool(const DeliveredFile &)> test) { m_fileThere = std::move(test); }
    void setTimeoutMs(int timeoutMs) { m_timeoutMs = timeoutMs; }

    // The text kept for a message whose files were all gone; empty when there is none.
    QString cached(platform::RecordId id) const { return m_final.value(id); }
    // Starts looking at the records' files (those of cached messages are skipped); looked() follows.
    void look(Records records);
    bool isRunning() const { return bool(m_pass); }

Q_SIGNALS:
    // A look has ended: the text of every record it was given.
    void looked(const QList<corvane::sending::DeliveryWatch::State> &states);

private:
    struct Pass;
    void start(Records records);
    void folderAnswered(const std::shared_ptr<Pass> &pass, const QString &folder, const QHash<QString, bool> &there);
    void end(const std::shared_ptr<Pass> &pass);

    std::function<bool(const DeliveredFile &)> m_fileThere;
    int m_timeoutMs = kDefaultTimeoutMs;
    QHash<platform::RecordId, QString> m_final;
    std::shared_ptr<Pass> m_pass;
    std::optional<Records> m_next;
    QThreadPool m_pool;
};

} // namespace corvane::sending
