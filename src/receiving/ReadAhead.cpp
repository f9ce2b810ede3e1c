#include "ReadAhead.h"

#include <QFile>
#include <QFileInfo>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace corvane::receiving {

struct ReadAhead::State
{
    QStringList paths;
    std::mutex mutex;
    std::condition_variable ready; // a file was read
    std::condition_variable space; // the check took one
    std::condition_variable stopped; // the worker has returned
    std::deque<FileRead> queue;
    bool cancelled = false;
    bool finished = false;
};

namespace {

#ifdef Q_OS_UNIX
FileIdentity identityOf(const struct stat &info)
{
    FileIdentity identity;
    identity.size = qint64(info.st_size);
#ifdef Q_OS_LINUX
    identity.modifiedNs = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
#else
    identity.modifiedNs = qint64(info.st_mtime) * 1000000000;
#endif
    identity.device = quint64(info.st_dev);
    identity.inode = quint64(info.st_ino);
    return identity;
}
#else
FileIdentity identityOf(const QFileInfo &info)
{
    if (!info.exists())
        return {};
    FileIdentity identity;
    identity.size = info.size();
    identity.modifiedNs = info.lastModified().toMSecsSinceEpoch() * 1000000;
    return identity;
}
#endif

FileRead readFile(const QString &path)
{
    FileRead read;
    read.path = path;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        read.exists = file.exists();
        read.error = file.errorString();
        return read;
    }
    read.bytes = file.readAll();
    read.identity = FileIdentity::ofOpenFile(file);
    if (file.error() != QFileDevice::NoError) {
        read.error = file.errorString();
        return read;
    }
    if (read.bytes.size() != read.identity.size) {
        // A share can hand out a file's old length while its writer is still at work.
        read.error = QStringLiteral("The file changed while it was read.");
        return read;
    }
    read.opened = true;
    return read;
}

// Workers whose ReadAhead was destroyed while they hung in a read on a share. They are owned here
// and joined once they return (looked at whenever another one is handed over). The list is never
// destroyed: a worker hung in the kernel on a dead share cannot be joined, and the program must
// still be able to end; the process ends around it.
class LingeringReaders
{
public:
    static LingeringReaders &instance()
    {
        static auto *readers = new LingeringReaders;
        return *readers;
    }

    void adopt(std::thread worker, std::shared_ptr<ReadAhead::State> state)
    {
        const std::lock_guard lock(m_mutex);
        std::erase_if(m_workers, [](Worker &lingering) {
            {
                const std::lock_guard stateLock(lingering.state->mutex);
                if (!lingering.state->finished)
                    return false;
            }
            lingering.thread.join();
            return true;
        });
        m_workers.push_back({std::move(worker), std::move(state)});
    }

private:
    struct Worker
    {
        std::thread thread;
        std::shared_ptr<ReadAhead::State> state;
    };
    std::mutex m_mutex;
    std::vector<Worker> m_workers;
};

void readAll(const std::shared_ptr<ReadAhead::State> &state)
{
    for (const QString &path : std::as_const(state->paths)) {
        {
            std::unique_lock lock(state->mutex);
            state->space.wait(lock, [&] { return state->cancelled || state->queue.size() < ReadAhead::kAhead; });
            if (state->cancelled)
                return;
        }
        FileRead read = readFile(path);
        const std::lock_guard lock(state->mutex);
        if (state->cancelled)
            return;
        state->queue.push_back(std::move(read));
        state->ready.notify_one();
    }
}

} // namespace

FileIdentity FileIdentity::ofPath(const QString &path)
{
#ifdef Q_OS_UNIX
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return identityOf(info);
#else
    return identityOf(QFileInfo(path));
#endif
}

FileIdentity FileIdentity::ofOpenFile(QFile &file)
{
#ifdef Q_OS_UNIX
    struct stat info;
    if (::fstat(file.handle(), &info) != 0)
        return {};
    return identityOf(info);
#else
    return identityOf(QFileInfo(file.fileName()));
#endif
}

ReadAhead::ReadAhead(QStringList paths) : m_state(std::make_shared<State>())
{
    m_state->paths = std::move(paths);
    // The worker holds the state too, so a read hanging on a share outlives this object safely.
    m_worker = std::thread([state = m_state] {
        readAll(state);
        const std::lock_guard lock(state->mutex);
        state->finished = true;
        state->stopped.notify_all();
    });
}

ReadAhead::~ReadAhead()
{
    using namespace std::chrono_literals;
    std::unique_lock lock(m_state->mutex);
    m_state->cancelled = true;
    m_state->space.notify_all();
    // A worker waiting for room returns at once; one in a read that takes long (a hung share)
    // is not waited for here, on the UI thread: it is joined once it returns.
    const bool finished = m_state->stopped.wait_for(lock, 20ms, [&] { return m_state->finished; });
    lock.unlock();
    if (finished)
        m_worker.join();
    else
        LingeringReaders::instance().adopt(std::move(m_worker), m_state);
}

FileRead ReadAhead::next(const std::function<void()> &letEventsRun)
{
    using namespace std::chrono_literals;
    std::unique_lock lock(m_state->mutex);
    while (m_state->queue.empty()) {
        if (!m_state->ready.wait_for(lock, 5ms, [&] { return !m_state->queue.empty(); })) {
            lock.unlock();
            letEventsRun();
            lock.lock();
        }
    }
    FileRead read = std::move(m_state->queue.front());
    m_state->queue.pop_front();
    m_state->space.notify_one();
    return read;
}

} // namespace corvane::receiving
