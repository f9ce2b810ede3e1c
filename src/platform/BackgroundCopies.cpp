#include "BackgroundCopies.h"

#include "Errors.h"
#include "EventLoopWait.h"
#include "FileIo.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMetaObject>
#include <QRandomGenerator>
#include <QSet>
#include <QThread>

#include <condition_variable>
#include <mutex>
#include <vector>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <cerrno>
#include <cstdio>
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

// Renames over the destination. A share that refuses for the moment is asked again; when its
// replace removed the old file but failed to move the new one in, the new one is moved in at once.
void replaceWithRetries(const QString &temporary, const QString &destination)
{
    QElapsedTimer elapsed;
    elapsed.start();
    for (int attempt = 1;; ++attempt) {
        QString reason;
#ifdef Q_OS_WIN
        if (MoveFileExW(reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(temporary).utf16()),
                        reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(destination).utf16()),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return;
        reason = QStringLiteral("error %1").arg(GetLastError());
#else
        if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(destination).constData()) == 0)
            return;
        reason = QString::fromLocal8Bit(std::strerror(errno));
        if (errno == ENOENT && !QFileInfo::exists(temporary) && QFileInfo::exists(destination))
            return; // reported as failed, but done
#endif
        if (!QFileInfo::exists(temporary))
            throw WriteError(destination, reason);
        if (elapsed.elapsed() > 60000)
            throw WriteError(destination, reason);
        QThread::msleep(QFileInfo::exists(destination) ? std::min(50 * attempt, 1000) : 10);
    }
}

} // namespace

void copyFileReplacing(const QString &source, const QString &destination)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        throw IoError(QStringLiteral("Unable to read %1: %2").arg(QDir::toNativeSeparators(source), in.errorString()));

    const GatePass pass(destination);
    const QFileInfo target(destination);
    const QString temporary = target.path() + u'/' + temporaryFilePrefix()
        + QString::number(QRandomGenerator::global()->generate64(), 36) + QStringLiteral(".tmp");
    QFile out(temporary);
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        throw WriteError(destination, out.errorString());
    QString failure;
#ifdef Q_OS_LINUX
    // Let the kernel copy (as cp does); a file system that cannot falls back to the loop below.
    while (true) {
        const ssize_t moved = ::copy_file_range(in.handle(), nullptr, out.handle(), nullptr, std::size_t(1) << 30, 0);
        if (moved > 0)
            continue;
        if (moved < 0 && errno != EXDEV && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP
            && errno != EBADF)
            failure = QStringLiteral("Unable to copy %1: %2")
                          .arg(QDir::toNativeSeparators(source), QString::fromLocal8Bit(std::strerror(errno)));
        break;
    }
    // The loop below goes on from where the kernel stopped.
    in.seek(::lseek(in.handle(), 0, SEEK_CUR));
    out.seek(::lseek(out.handle(), 0, SEEK_CUR));
#endif
    std::vector<char> buffer(std::size_t(1) << 20);
    while (failure.isEmpty()) {
        const qint64 got = in.read(buffer.data(), qint64(buffer.size()));
        if (got < 0) {
            failure = QStringLiteral("Unable to read %1: %2").arg(QDir::toNativeSeparators(source), in.errorString());
            break;
        }
        if (got == 0)
            break;
        if (out.write(buffer.data(), got) != got) {
            failure = out.errorString();
            break;
        }
    }
    if (failure.isEmpty() && !flushToDisk(out))
        failure = out.errorString();
    out.close();
    if (failure.isEmpty() && out.error() != QFileDevice::NoError)
        failure = out.errorString();
    if (!failure.isEmpty()) {
        removeFileRetrying(temporary, std::chrono::seconds(5));
        throw WriteError(destination, failure);
    }
    try {
        replaceWithRetries(temporary, destination);
    } catch (...) {
        removeFileRetrying(temporary, std::chrono::seconds(5));
        throw;
    }
}

bool removeFileRetrying(const QString &path, std::chrono::milliseconds patience)
{
    QElapsedTimer elapsed;
    elapsed.start();
    for (int attempt = 1;; ++attempt) {
        if (QFile::remove(path) || !QFileInfo::exists(path))
            return true;
        if (elapsed.elapsed() >= patience.count())
            return false;
        QThread::msleep(std::min<qint64>(20 * attempt, 1000));
    }
}

BackgroundCopies::BackgroundCopies(QObject *parent) : QObject(parent)
{
    m_pool.setMaxThreadCount(std::max(4, QThread::idealThreadCount()));
}

BackgroundCopies::~BackgroundCopies()
{
    m_pool.waitForDone();
}

void BackgroundCopies::start(std::function<void()> job)
{
    Q_EMIT runningChanged(++m_running);
    m_pool.start([this, job = std::move(job)] {
        try {
            job();
        } catch (const Error &error) {
            reportProblem(error.message());
        } catch (...) {
        }
        QMetaObject::invokeMethod(this, [this] { Q_EMIT runningChanged(--m_running); }, Qt::QueuedConnection);
    });
}

void BackgroundCopies::waitForAll()
{
    EventLoopWaiter waiter;
    const QMetaObject::Connection wake =
        connect(this, &BackgroundCopies::runningChanged, &waiter, [&waiter] { waiter.wake(); });
    waiter.waitUntil([this] { return m_running == 0; });
    disconnect(wake);
}

void BackgroundCopies::reportProblem(const QString &text)
{
    QMetaObject::invokeMethod(this, [this, text] { Q_EMIT problem(text); }, Qt::QueuedConnection);
}

} // namespace corvane::platform
