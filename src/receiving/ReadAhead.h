#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

class QFile;

namespace corvane::receiving {

// What tells a file from another that later took its name: size and modification time, and
// device and inode where the system gives them. Empty (size -1) for a missing file.
struct FileIdentity
{
    qint64 size = -1;
    qint64 modifiedNs = 0;
    quint64 device = 0;
    quint64 inode = 0;

    bool exists() const { return size >= 0; }
    bool operator==(const FileIdentity &) const = default;

    static FileIdentity ofPath(const QString &path);
    static FileIdentity ofOpenFile(QFile &file);
};

// A message file is never larger than this: a larger one is not read into memory.
inline constexpr qint64 kMaxMessageFileBytes = qint64(64) * 1024 * 1024;

// One message file as read from its folder.
struct FileRead
{
    // Why a file that is there was not read.
    enum class Refusal {
        None,
        NotAFile, // a pipe, device or socket, or a link to anything but a file in the same folder
        TooLarge, // larger than the limit; identity says which file it was
        TimedOut, // no answer within the time limit (a hung share): skipped for this check
    };

    QString path;
    QByteArray bytes;
    FileIdentity identity; // of the file that was read, taken from the open file
    bool opened = false;   // opened and read whole
    bool exists = true;    // false when the file vanished before it could be opened
    Refusal refusal = Refusal::None;
    QString error;         // why it could not be opened or read whole
};

// Reads one message file whole. Only a regular file is read, or a link to a regular file in the
// same folder; the open never waits for a pipe's writer, and nothing over maxBytes is read.
FileRead readMessageBytes(const QString &path, qint64 maxBytes = kMaxMessageFileBytes);

// Reads a folder's message files in order on a worker thread, a bounded number ahead of the mail
// check, so that reading from the share overlaps parsing and a slow or hung share never blocks the
// window: the check takes what has been read and, when nothing has, returns to the event loop
// until the worker wakes it.
class ReadAhead
{
public:
    static constexpr int kAhead = 32;
    // How long one file may take to open and read before the check goes on without it.
    static constexpr std::chrono::milliseconds kReadTimeLimit{15000};

    struct Options
    {
        std::chrono::milliseconds timeLimit = kReadTimeLimit;
        // Test seam for a share that hangs: reads one file (readMessageBytes when empty).
        std::function<FileRead(const QString &path)> readFile;
        // Called on the worker once a file is ready that tryNext() found missing. It must not
        // call back into this object; it is never called once the object has been destroyed.
        std::function<void()> wake;
    };

    explicit ReadAhead(QStringList paths);
    ReadAhead(QStringList paths, Options options);
    // Stops the reader and joins it; a reader still hanging in a read on a share is not waited for
    // but handed to a list that joins it once its read returns.
    ~ReadAhead();
    ReadAhead(const ReadAhead &) = delete;
    ReadAhead &operator=(const ReadAhead &) = delete;

    // The next file in order, or none when it is still being read: the wake option is then
    // called once it has been. Never waits. A file whose read has taken longer than the time
    // limit comes back refused as TimedOut; its reader is abandoned and a new one goes on with
    // the files after it. Hands out each path once.
    std::optional<FileRead> tryNext();

    struct State;

private:
    void start(qsizetype from);
    void abandon();

    QStringList m_paths;
    Options m_options;
    qsizetype m_next = 0; // the index of the path next() hands out next
    std::shared_ptr<State> m_state;
    std::thread m_worker;
};

} // namespace corvane::receiving
