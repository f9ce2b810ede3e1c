#include "ReadAhead.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace corvane::receiving {

struct ReadAhead::State
{
    QStringList paths;
    std::function<FileRead(const QString &)> readFile;
    std::function<void()> wake;
    std::mutex mutex;
    std::condition_variable space; // the check took one
    std::condition_variable stopped; // the worker has returned
    std::deque<FileRead> queue;
    bool reading = false; // the worker is in a read that began at readingSince
    std::chrono::steady_clock::time_point readingSince;
    bool cancelled = false;
    bool finished = false;
    bool awaited = false; // the check found the queue empty and waits to be woken
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

QString tooLargeText(qint64 maxBytes)
{
    return QCoreApplication::translate("ReadAhead", "The file is larger than %1 MB, more than any message file.").arg(maxBytes / (1024 * 1024));
}

#ifdef Q_OS_UNIX
QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QStringLiteral(".") : QFile::decodeName(slash == 0 ? QByteArray("/") : path.left(slash));
}

// A message file that is a link: opened only when it leads to a file in the folder it lies in,
// so that nobody can make the check read a device or another user's file through it.
int openLinkedFile(const QByteArray &path, FileRead &read)
{
    char *resolved = ::realpath(path.constData(), nullptr);
    if (!resolved) {
        read.refusal = FileRead::Refusal::NotAFile;
        read.error = QCoreApplication::translate("ReadAhead", "The file is a link that leads nowhere.");
        return -1;
    }
    const QByteArray target(resolved);
    std::free(resolved);
    char *folder = ::realpath(QFile::encodeName(folderOf(path)).constData(), nullptr);
    const bool sameFolder = folder && folderOf(target) == QFile::decodeName(folder);
    std::free(folder);
    if (!sameFolder) {
        read.refusal = FileRead::Refusal::NotAFile;
        read.error = QCoreApplication::translate("ReadAhead", "The file is a link to something outside its folder.");
        return -1;
    }
    return ::open(target.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
}

// Reads the open file whole, expecting `size` bytes; reading one more tells a file that grew.
bool readOpenFile(int fd, qint64 size, QByteArray &bytes, QString &error)
{
    bytes.resize(size + 1);
    qint64 done = 0;
    while (done < size + 1) {
        const ssize_t got = ::read(fd, bytes.data() + done, size_t(size + 1 - done));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            error = systemError(errno);
            return false;
        }
        if (got == 0)
            break;
        done += got;
    }
    bytes.truncate(done);
    return true;
}
#endif

} // namespace

FileRead readMessageBytes(const QString &path, qint64 maxBytes)
{
    FileRead read;
    read.path = path;
#ifdef Q_OS_UNIX
    // Not blocking, so that a pipe's open never waits for a writer; not following a link, which
    // is looked at on its own.
    const QByteArray name = QFile::encodeName(path);
    int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0 && (errno == ELOOP || errno == EMLINK)) {
        fd = openLinkedFile(name, read);
        if (read.refusal != FileRead::Refusal::None)
            return read;
    }
    if (fd < 0) {
        read.exists = errno != ENOENT && errno != ENOTDIR;
        read.error = systemError(errno);
        if (errno == ENXIO) // a socket, or a device without its driver
            read.refusal = FileRead::Refusal::NotAFile;
        return read;
    }
    struct stat info;
    if (::fstat(fd, &info) != 0) {
        read.error = systemError(errno);
        ::close(fd);
        return read;
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        read.refusal = FileRead::Refusal::NotAFile;
        read.error = QCoreApplication::translate("ReadAhead", "The file is not a regular file (a pipe, device or socket).");
        return read;
    }
    read.identity = identityOf(info);
    if (read.identity.size > maxBytes) {
        ::close(fd);
        read.refusal = FileRead::Refusal::TooLarge;
        read.error = tooLargeText(maxBytes);
        return read;
    }
    ::fcntl(fd, F_SETFL, 0); // a regular file: reads may wait for the disk or the share again
    QString error;
    const bool complete = readOpenFile(fd, read.identity.size, read.bytes, error);
    ::close(fd);
    if (!complete) {
        read.error = error;
        return read;
    }
#else
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        read.exists = file.exists();
        read.error = file.errorString();
        return read;
    }
    read.identity = FileIdentity::ofOpenFile(file);
    if (read.identity.size > maxBytes) {
        read.refusal = FileRead::Refusal::TooLarge;
        read.error = tooLargeText(maxBytes);
        return read;
    }
    read.bytes = file.read(read.identity.size + 1);
    if (file.error() != QFileDevice::NoError) {
        read.error = file.errorString();
        return read;
    }
#endif
    if (read.bytes.size() != read.identity.size) {
        // A share can hand out a file's old length while its writer is still at work.
        read.error = QCoreApplication::translate("ReadAhead", "The file changed while it was read.");
        return read;
    }
    read.opened = true;
    return read;
}

namespace {

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
        {
            const std::lock_guard lock(state->mutex);
            state->reading = true;
            state->readingSince = std::chrono::steady_clock::now();
        }
        FileRead read = state->readFile ? state->readFile(path) : readMessageBytes(path);
        const std::lock_guard lock(state->mutex);
        state->reading = false;
        if (state->cancelled)
            return;
        state->queue.push_back(std::move(read));
        // Under the lock: once cancelled (the object going), nobody is woken any more.
        if (std::exchange(state->awaited, false) && state->wake)
            state->wake();
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

ReadAhead::ReadAhead(QStringList paths) : ReadAhead(std::move(paths), Options{}) {}

ReadAhead::ReadAhead(QStringList paths, Options options) : m_paths(std::move(paths)), m_options(std::move(options))
{
    start(0);
}

void ReadAhead::start(qsizetype from)
{
    m_state = std::make_shared<State>();
    m_state->paths = m_paths.mid(from);
    m_state->readFile = m_options.readFile;
    m_state->wake = m_options.wake;
    // The worker holds the state too, so a read hanging on a share outlives this object safely.
    m_worker = std::thread([state = m_state] {
        readAll(state);
        const std::lock_guard lock(state->mutex);
        state->finished = true;
        state->stopped.notify_all();
    });
}

void ReadAhead::abandon()
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

ReadAhead::~ReadAhead()
{
    abandon();
}

std::optional<FileRead> ReadAhead::tryNext()
{
    std::unique_lock lock(m_state->mutex);
    if (m_state->queue.empty()) {
        // The queue is empty, so the worker is in the read of the file asked for.
        if (m_state->reading && std::chrono::steady_clock::now() - m_state->readingSince > m_options.timeLimit) {
            lock.unlock();
            FileRead late;
            late.path = m_paths.value(m_next);
            late.refusal = FileRead::Refusal::TimedOut;
            late.error = QCoreApplication::translate("ReadAhead", "The file could not be read within %1 seconds.")
                             .arg(std::chrono::duration_cast<std::chrono::seconds>(m_options.timeLimit).count());
            abandon();
            ++m_next;
            start(m_next);
            return late;
        }
        m_state->awaited = true;
        return std::nullopt;
    }
    FileRead read = std::move(m_state->queue.front());
    m_state->queue.pop_front();
    m_state->space.notify_one();
    ++m_next;
    return read;
}

} // namespace corvane::receiving
