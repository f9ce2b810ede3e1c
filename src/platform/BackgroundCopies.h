#pragma once

#include "FileIo.h"
#include "Retry.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QThreadPool>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>

namespace corvane::platform {

// What the window says while it waits for copies to end, in the user's language.
inline QString waitingForCopiesText()
{
    return QCoreApplication::translate("BackgroundCopies", "Waiting for attachment copies to finish");
}

// Copies a file whole or not at all: the bytes go to a temporary file in the destination's folder,
// which is flushed to disk and then renamed over the destination. Copies to one destination path
// in this process take turns, so the later replaces the earlier whole. A failure, or a copy cut off
// because the program closes, removes the temporary file and leaves an older destination as it
// was. A replacement the share refuses for the moment (the file is held open elsewhere) is tried
// again for a while. Temporary files older than a day in the destination's folder (left by a
// program that ended mid-copy) are removed first. The copy is made with `access`. Throws IoError.
void copyFileReplacing(const QString &source, const QString &destination, Access access);
// The same whole-or-nothing copy, but a file already under the destination's name is never
// replaced: false then, and nothing changed. Throws IoError.
bool copyFileKeeping(const QString &source, const QString &destination, Access access);

// Copies a file whole or not at all into the folder: the bytes go to a temporary file there, which
// is flushed to disk and handed to `place`, which gives it its name and returns the path. The copy
// is listed among the active copies while it runs, and a copy cut off (copyCancelled) or failed
// removes the temporary file. The copy is made with `access`. Failures throw IoError naming the
// source and `shownDestination`.
QString copyFileInto(const QString &source, const QString &folder, const QString &shownDestination,
                     const FilePlacer &place, Access access);

// Removes this program's temporary files in the folder that were last written more than a day ago.
void removeStaleTemporaryFiles(const QString &folder);

// True inside a job of BackgroundCopies that has been told to cut its copies off.
bool copyCancelled();

// Registers a copy under way for as long as it lives, for the window to show what it waits for.
class ActiveCopy
{
public:
    explicit ActiveCopy(const QString &description);
    ~ActiveCopy();
    ActiveCopy(const ActiveCopy &) = delete;
    ActiveCopy &operator=(const ActiveCopy &) = delete;

private:
    quint64 m_id;
};

// The copies under way in this process ("report.pdf to \\server\bob\"), oldest first.
QStringList activeCopies();

// A background copy that went wrong, in plain values: the layer above words it for the user.
struct CopyFailure
{
    enum class Step {
        Copy,         // a file was not copied (or the job stopped on an error); reason says why
        Record,       // a file was copied, but the folder's Attach.ini could not be updated
        SourceKept,   // a fetched file could not be removed from its folder: another program holds it
        Unexpected,   // the job stopped on an error that is not the program's own; reason is its text
    };
    Step step = Step::Copy;
    QString file;   // the attached file's name; empty when the job did not say
    QString folder; // the folder copied to, or fetched from
    QString reason; // the error's text, worded for the user where the program wrote it

    bool operator==(const CopyFailure &) const = default;
};

// The program's background file copies (attachments sent and received): run on worker threads and
// counted. Closing waits for them instead of cutting them off: the window puts its close off until
// finished() comes, and the tool runs the event loop until then.
class BackgroundCopies : public QObject
{
    Q_OBJECT

public:
    explicit BackgroundCopies(QObject *parent = nullptr);
    ~BackgroundCopies() override;

    // Starts the job on a worker thread and returns at once.
    void start(std::function<void()> job);
    int running() const { return m_running; }
    // Counts work that copies files on a worker of its own (a send's delivery) as one running job,
    // from this call (on this object's thread) until the last copy of the returned token is gone,
    // from any thread.
    std::shared_ptr<void> hold();
    // Runs `work` on the calling thread so that cancelAll reaches its copies (copyCancelled).
    void runCancellable(const std::function<void()> &work) const;
    // Tells every running and later job to stop at its next block: copies cut off leave no file
    // under their real name. Used when the user closes the program without waiting.
    void cancelAll() { m_cancelled = true; }
    bool cancelled() const { return m_cancelled; }
    // From any thread: a copy given up on, which the user must learn of.
    void reportFailure(const CopyFailure &failure);

Q_SIGNALS:
    void runningChanged(int count);
    // The last running copy ended.
    void finished();
    void failed(const corvane::platform::CopyFailure &failure);

private:
    void jobEnded();

    QThreadPool m_pool;
    std::atomic<int> m_running{0};
    std::atomic<bool> m_cancelled{false};
};

} // namespace corvane::platform
