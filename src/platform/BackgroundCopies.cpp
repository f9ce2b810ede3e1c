#include "BackgroundCopies.h"

#include "Errors.h"
#include "FileIo.h"
#include "Logging.h"
#include "Paths.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QHash>
#include <QFile>
#include <QFileInfo>
#include <QMetaObject>
#include <QSet>
#include <QThread>

#include <condition_variable>
#include <map>
#include <mutex>
#include <vector>

#ifndef Q_OS_WIN
#include <cerrno>
#include <cstring>
#include <unistd.h>
#endif

namespace corvane::platform {

namespace {

// Destination paths being written by this process.
class DestinationGate
{
public:
    static DestinationGate &instance()
    {
        static DestinationGate gate;
        return gate;
    }
    void enter(const QString &key)
    {
        std::unique_lock lock(m_mutex);
        m_free.wait(lock, [&] { return !m_busy.contains(key); });
        m_busy.insert(key);
    }
    void leave(const QString &key)
    {
        {
            std::lock_guard lock(m_mutex);
            m_busy.remove(key);
        }
        m_free.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_free;
    QSet<QString> m_busy;
};

class GatePass
{
public:
    explicit GatePass(const QString &destination)
        : m_key(QDir::cleanPath(QFileInfo(destination).absoluteFilePath()))
    {
#ifdef Q_OS_WIN
        m_key = m_key.toLower();
#endif
        DestinationGate::instance().enter(m_key);
    }
    ~GatePass() { DestinationGate::instance().leave(m_key); }
    GatePass(const GatePass &) = delete;
    GatePass &operator=(const GatePass &) = delete;

private:
    QString m_key;
};

// The cancel flag of the BackgroundCopies whose job runs on this thread.
thread_local const std::atomic<bool> *t_cancelled = nullptr;

class CancelScope
{
public:
    explicit CancelScope(const std::atomic<bool> *flag) { t_cancelled = flag; }
    ~CancelScope() { t_cancelled = nullptr; }
    CancelScope(const CancelScope &) = delete;
    CancelScope &operator=(const CancelScope &) = delete;
};

struct ActiveCopies
{
    std::mutex mutex;
    quint64 next = 0;
    std::map<quint64, QString> descriptions;

    static ActiveCopies &instance()
    {
        static ActiveCopies copies;
        return copies;
    }
};

// Sweeps a folder at most once a minute: a folder receives many copies in a burst.
bool sweepDue(const QString &folder)
{
    static std::mutex mutex;
    static QHash<QString, qint64> lastSweep;
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    std::lock_guard lock(mutex);
    auto it = lastSweep.find(folder);
    if (it != lastSweep.end() && now - *it < 60000)
        return false;
    lastSweep.insert(folder, now);
    return true;
}

// The rename over the destination, asked again while a share refuses it for the moment.
constexpr RetryPolicy kReplace{.what = "replace",
                               .patience = std::chrono::seconds(60),
                               .delay = std::chrono::milliseconds(50),
                               .step = std::chrono::milliseconds(50)};

QString cutOffText()
{
    return QCoreApplication::translate("BackgroundCopies", "cut off because Corvane was closed");
}

} // namespace

bool copyCancelled()
{
    return t_cancelled && t_cancelled->load();
}

ActiveCopy::ActiveCopy(const QString &description)
{
    ActiveCopies &copies = ActiveCopies::instance();
    std::lock_guard lock(copies.mutex);
    m_id = copies.next++;
    copies.descriptions.emplace(m_id, description);
}

ActiveCopy::~ActiveCopy()
{
    ActiveCopies &copies = ActiveCopies::instance();
    std::lock_guard lock(copies.mutex);
    copies.descriptions.erase(m_id);
}

QStringList activeCopies()
{
    ActiveCopies &copies = ActiveCopies::instance();
    std::lock_guard lock(copies.mutex);
    QStringList result;
    for (const auto &[id, description] : copies.descriptions)
        result.append(description);
    return result;
}

void removeStaleTemporaryFiles(const QString &folder)
{
    const QDateTime dayAgo = QDateTime::currentDateTimeUtc().addDays(-1);
    const QFileInfoList stale = QDir(folder).entryInfoList({temporaryFilePrefix() + QStringLiteral("*.tmp")},
                                                           QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &file : stale)
        if (file.lastModified().toUTC() < dayAgo)
            QFile::remove(file.filePath()); // one held open elsewhere goes with a later copy
}

QString copyFileInto(const QString &source, const QString &folder, const QString &shownDestination,
                     const FilePlacer &place, Access access)
{
    const ActiveCopy entry(QCoreApplication::translate("BackgroundCopies", "%1 to %2").arg(
        QFileInfo(source).fileName(), QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(folder).absoluteFilePath()) + u'/')));
    if (sweepDue(folder))
        removeStaleTemporaryFiles(folder);

    // Every failure names both files and says why.
    const auto copyError = [&](const QString &reason) {
        return IoError(QCoreApplication::translate("BackgroundCopies", "Unable to copy %1 to %2: %3")
                           .arg(QDir::toNativeSeparators(source), QDir::toNativeSeparators(shownDestination), reason));
    };
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        throw copyError(in.errorString());

    const auto copy = [&](QFile &out) {
        QString failure;
#ifdef Q_OS_LINUX
        // Let the kernel copy (as cp does); a file system that cannot falls back to the loop below.
        while (true) {
            // In blocks, so that a copy cut off stops soon.
            const ssize_t moved = ::copy_file_range(in.handle(), nullptr, out.handle(), nullptr, std::size_t(8) << 20, 0);
            if (moved > 0 && !copyCancelled())
                continue;
            if (moved < 0 && errno != EXDEV && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP
                && errno != EBADF)
                failure = QString::fromLocal8Bit(std::strerror(errno));
            break;
        }
        // The loop below goes on from where the kernel stopped.
        in.seek(::lseek(in.handle(), 0, SEEK_CUR));
        out.seek(::lseek(out.handle(), 0, SEEK_CUR));
#endif
        std::vector<char> buffer(std::size_t(1) << 20);
        while (failure.isEmpty()) {
            if (copyCancelled()) {
                failure = cutOffText();
                break;
            }
            const qint64 got = in.read(buffer.data(), qint64(buffer.size()));
            if (got < 0) {
                failure = in.errorString();
                break;
            }
            if (got == 0)
                break;
            if (out.write(buffer.data(), got) != got) {
                failure = out.errorString();
                break;
            }
        }
        if (!failure.isEmpty())
            throw copyError(failure);
    };
    try {
        return publishFile(
            folder, copy,
            [&](const QString &temporary) {
                if (copyCancelled())
                    throw copyError(cutOffText());
                return place(temporary);
            },
            access, &kQuickRemoval);
    } catch (const WriteError &error) {
        throw copyError(error.reason());
    }
}

void copyFileReplacing(const QString &source, const QString &destination, Access access)
{
    const QFileInfo target(destination);
    const GatePass pass(destination);
    copyFileInto(source, target.path(), destination, replacing(destination, &kReplace), access);
}

bool copyFileKeeping(const QString &source, const QString &destination, Access access)
{
    const QFileInfo target(destination);
    const GatePass pass(destination);
    bool taken = false;
    // Another writer's file under the name is left as it is; a file system that cannot rename
    // without replacing tests the name first (copies to one path in this process take turns).
    const FilePlacer keep = [&](const QString &temporary) {
        QString reason;
        RenameOutcome outcome = placeFile(temporary, destination, Placing::NoReplace, &reason);
        if (outcome == RenameOutcome::NotSupported)
            outcome = placeFile(temporary, destination, Placing::TestThenReplace, &reason);
        if (outcome == RenameOutcome::TargetExists) {
            taken = true;
            throw WriteError(destination, QCoreApplication::translate("BackgroundCopies", "the name is taken"));
        }
        if (outcome != RenameOutcome::Done)
            throw WriteError(destination, reason);
        return destination;
    };
    try {
        copyFileInto(source, target.path(), destination, keep, access);
    } catch (const IoError &) {
        if (taken)
            return false;
        throw;
    }
    return true;
}

BackgroundCopies::BackgroundCopies(QObject *parent) : QObject(parent)
{
    m_pool.setMaxThreadCount(std::max(4, QThread::idealThreadCount()));
}

BackgroundCopies::~BackgroundCopies()
{
    // Jobs only post their bookkeeping to this thread and never wait for it, so joining them here
    // cannot deadlock; what they posted is dropped with this object.
    m_pool.waitForDone();
}

void BackgroundCopies::start(std::function<void()> job)
{
    Q_EMIT runningChanged(++m_running);
    m_pool.start([this, job = std::move(job)] {
        {
            const CancelScope scope(&m_cancelled);
            try {
                job();
            } catch (const Error &error) {
                reportFailure({CopyFailure::Step::Copy, {}, {}, error.message()});
            } catch (const std::exception &error) {
                reportFailure({CopyFailure::Step::Unexpected, {}, {}, QString::fromLocal8Bit(error.what())});
            }
        }
        QMetaObject::invokeMethod(this, [this] { jobEnded(); }, Qt::QueuedConnection);
    });
}

std::shared_ptr<void> BackgroundCopies::hold()
{
    Q_EMIT runningChanged(++m_running);
    return std::shared_ptr<void>(new int(0), [this](void *token) {
        delete static_cast<int *>(token);
        QMetaObject::invokeMethod(this, [this] { jobEnded(); }, Qt::QueuedConnection);
    });
}

void BackgroundCopies::runCancellable(const std::function<void()> &work) const
{
    const CancelScope scope(&m_cancelled);
    work();
}

void BackgroundCopies::jobEnded()
{
    const int left = --m_running;
    Q_EMIT runningChanged(left);
    if (left == 0)
        Q_EMIT finished();
}

void BackgroundCopies::reportFailure(const CopyFailure &failure)
{
    qCWarning(lcPlatform, "copy failed: %s %s: %s", qUtf8Printable(failure.folder), qUtf8Printable(failure.file),
              failure.reason.isEmpty() ? "the file is held open" : qUtf8Printable(failure.reason));
    QMetaObject::invokeMethod(this, [this, failure] { Q_EMIT failed(failure); }, Qt::QueuedConnection);
}

} // namespace corvane::platform
