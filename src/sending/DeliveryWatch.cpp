#include "DeliveryWatch.h"

#include "platform/Retry.h"

#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QSet>
#include <QTimer>

#ifndef Q_OS_WIN
#include <cerrno>
#include <sys/stat.h>
#endif

namespace corvane::sending {

namespace {

#ifndef Q_OS_WIN
// A share that fails a stat for a moment (EIO) is asked again for a few seconds.
constexpr platform::RetryPolicy kShareStat{.what = "look at a delivered file",
                                           .patience = std::chrono::seconds(5),
                                           .delay = std::chrono::milliseconds(100),
                                           .step = std::chrono::milliseconds(0)};
#endif

// Shares keep modification times to two seconds at worst.
constexpr qint64 kTimeSlackMs = 2000;

bool isTheFileWritten(const DeliveredFile &file, qint64 size, qint64 modifiedMs)
{
    if (file.size >= 0 && size != file.size)
        return false;
    return file.modified < 0 || qAbs(modifiedMs - file.modified) <= kTimeSlackMs;
}

// Two messages' files may have had one name: what a look found is kept by file, not by name.
QString fileKey(const DeliveredFile &file)
{
    return file.path + QLatin1Char('\n') + QString::number(file.size) + QLatin1Char('\n')
        + QString::number(file.modified);
}

QString joined(const QStringList &names)
{
    return names.join(QStringLiteral(", "));
}

} // namespace

bool deliveredFileThere(const DeliveredFile &file)
{
    const QString &path = file.path;
    // A file counts as gone only when its folder answers without it: a share that is not mounted
    // or not reachable must not make a waiting message look picked up.
#ifdef Q_OS_WIN
    const QFileInfo info(path);
    return info.exists() ? isTheFileWritten(file, info.size(), info.lastModified().toMSecsSinceEpoch())
                         : !QFileInfo(info.path()).isDir();
#else
    const auto look = [](const QString &name, bool &there, const DeliveredFile *written) {
        const QByteArray encoded = QFile::encodeName(name);
        there = true; // until a share answers plainly
        platform::retry(kShareStat, std::function<bool()>([&] {
            struct stat info;
            if (::stat(encoded.constData(), &info) == 0) {
                if (written)
                    there = isTheFileWritten(*written, info.st_size,
                                             qint64(info.st_mtim.tv_sec) * 1000 + info.st_mtim.tv_nsec / 1000000);
                return true;
            }
            if (errno == ENOENT || errno == ENOTDIR) {
                there = false;
                return true;
            }
            return errno == EACCES || errno == ENAMETOOLONG;
        }));
    };
    bool there = true;
    look(path, there, &file);
    if (!there) {
        bool folderThere = true;
        look(QFileInfo(path).path(), folderThere, nullptr);
        there = !folderThere;
    }
    return there;
#endif
}

QString deliveryText(const DeliveryRecord &record, const QList<bool> &there)
{
    QStringList waiting, relayed, missing;
    QSet<QString> seen;
    for (const QString &name : record.recipients) {
        if (seen.contains(name))
            continue;
        seen.insert(name);
        bool written = false, own = false, relay = false;
        for (qsizetype i = 0; i < record.files.size(); ++i) {
            const DeliveredFile &file = record.files[i];
            if (file.recipient != name)
                continue;
            written = true;
            if (i < there.size() && there[i])
                (file.relay ? relay : own) = true;
        }
        if (!written)
            missing.append(name);
        else if (own)
            waiting.append(name);
        else if (relay)
            relayed.append(name);
    }
    QStringList parts;
    if (!waiting.isEmpty())
        parts.append(DeliveryWatch::tr("Waiting: %1").arg(joined(waiting)));
    if (!relayed.isEmpty())
        parts.append(DeliveryWatch::tr("Relayed: %1").arg(joined(relayed)));
    if (!missing.isEmpty())
        parts.append(DeliveryWatch::tr("Not delivered: %1").arg(joined(missing)));
    return parts.isEmpty() ? DeliveryWatch::tr("Picked up") : parts.join(QStringLiteral("; "));
}

QString deliveryTextNow(const DeliveryRecord &record)
{
    QList<bool> there;
    for (const DeliveredFile &file : record.files)
        there.append(deliveredFileThere(file));
    return deliveryText(record, there);
}

// One look: the records, the folders still to answer and what the answered ones said.
struct DeliveryWatch::Pass
{
    Records records;
    QSet<QString> waitingFolders;
    QHash<QString, bool> there; // by fileKey; a file missing here counts as still there
};

DeliveryWatch::DeliveryWatch(QObject *parent) : QObject(parent), m_fileThere(deliveredFileThere)
{
    // A folder on a share that does not answer holds its thread; keep enough for the others.
    m_pool.setMaxThreadCount(8);
}

DeliveryWatch::~DeliveryWatch()
{
    m_pool.waitForDone();
}

void DeliveryWatch::look(Records records)
{
    if (m_pass)
        m_next = std::move(records);
    else
        start(std::move(records));
}

void DeliveryWatch::start(Records records)
{
    auto pass = std::make_shared<Pass>();
    QHash<QString, QList<DeliveredFile>> byFolder;
    for (auto &entry : records) {
        if (m_final.contains(entry.first))
            continue;
        for (const DeliveredFile &file : std::as_const(entry.second.files))
            byFolder[QFileInfo(file.path).path()].append(file);
        pass->records.push_back(std::move(entry));
    }
    m_pass = pass;
    for (auto it = byFolder.cbegin(); it != byFolder.cend(); ++it)
        pass->waitingFolders.insert(it.key());
    if (pass->waitingFolders.isEmpty()) {
        QMetaObject::invokeMethod(this, [this, pass] { end(pass); }, Qt::QueuedConnection);
        return;
    }
    // Folders that have not answered in time keep their files counted as there.
    if (m_timeoutMs >= 0)
        QTimer::singleShot(m_timeoutMs, this, [this, pass] {
            if (m_pass == pass)
                end(pass);
        });
    const QPointer<DeliveryWatch> self(this);
    for (auto it = byFolder.cbegin(); it != byFolder.cend(); ++it) {
        m_pool.start([self, pass, folder = it.key(), files = it.value(), test = m_fileThere] {
            QHash<QString, bool> there;
            for (const DeliveredFile &file : files)
                there.insert(fileKey(file), test(file));
            QMetaObject::invokeMethod(
                self, [self, pass, folder, there] {
                    if (self)
                        self->folderAnswered(pass, folder, there);
                },
                Qt::QueuedConnection);
        });
    }
}

void DeliveryWatch::folderAnswered(const std::shared_ptr<Pass> &pass, const QString &folder,
                                   const QHash<QString, bool> &there)
{
    if (m_pass != pass)
        return;
    pass->there.insert(there);
    pass->waitingFolders.remove(folder);
    if (pass->waitingFolders.isEmpty())
        end(pass);
}

void DeliveryWatch::end(const std::shared_ptr<Pass> &pass)
{
    if (m_pass != pass)
        return;
    QList<State> states;
    for (const auto &[id, record] : pass->records) {
        QList<bool> there;
        bool anyThere = false;
        for (const DeliveredFile &file : record.files) {
            there.append(pass->there.value(fileKey(file), true));
            anyThere = anyThere || there.back();
        }
        const QString text = deliveryText(record, there);
        if (!anyThere)
            m_final.insert(id, text); // nothing left to be picked up: it stays so
        states.append({id, text});
    }
    m_pass.reset();
    Q_EMIT looked(states);
    if (m_next && !m_pass)
        start(*std::exchange(m_next, std::nullopt));
}

} // namespace corvane::sending
