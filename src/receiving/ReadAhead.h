#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
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

// One message file as read from its folder.
struct FileRead
{
    QString path;
    QByteArray bytes;
    FileIdentity identity; // of the file that was read, taken from the open file
    bool opened = false;   // opened and read whole
    bool exists = true;    // false when the file vanished before it could be opened
    QString error;         // why it could not be opened or read whole
};

// Reads a folder's message files in order on a worker thread, a bounded number ahead of the mail
// check, so that reading from the share overlaps parsing and a slow or hung share never blocks the
// window: while it waits, the check lets window events run every few milliseconds.
class ReadAhead
{
public:
    static constexpr int kAhead = 32;

    explicit ReadAhead(QStringList paths);
    // Stops the reader and joins it; a reader still hanging in a read on a share is not waited for
    // but handed to a list that joins it once its read returns.
    ~ReadAhead();
    ReadAhead(const ReadAhead &) = delete;
    ReadAhead &operator=(const ReadAhead &) = delete;

    // The next file in order; runs `letEventsRun` between short waits. Call at most once per path.
    FileRead next(const std::function<void()> &letEventsRun);

    struct State;

private:
    std::shared_ptr<State> m_state;
    std::thread m_worker;
};

} // namespace corvane::receiving
