#pragma once

#include "Retry.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QThreadPool>

#include <atomic>
#include <chrono>
#include <functional>

namespace corvane::platform {

inline const QString kWaitingForCopies = QStringLiteral("Waiting for attachment copies to finish");

// Copies a file whole or not at all: the bytes go to a temporary file in the destination's folder,
// which is flushed to disk and then renamed over the destination. Copies to one destination path
// in this process take turns, so the later replaces the earlier whole. A failure, or a copy cut off
// because the program closes, removes the temporary file and leaves an older destination as it
// was. A replacement the share refuses for the moment (the file is held open elsewhere) is tried
// again for a while. Temporary files older than a day in the destination's folder (left by a
// program that ended mid-copy) are removed first. Throws IoError.
void copyFileReplacing(const QString &source, const QString &destination);

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
    // Tells every running and later job to stop at its next block: copies cut off leave no file
    // under their real name. Used when the user closes the program without waiting.
    void cancelAll() { m_cancelled = true; }
    bool cancelled() const { return m_cancelled; }
    // From any thread: something the user must learn (a copy given up on).
    void reportProblem(const QString &text);

Q_SIGNALS:
    void runningChanged(int count);
    // The last running copy ended.
    void finished();
    void problem(const QString &text);

private:
    QThreadPool m_pool;
    std::atomic<int> m_running{0};
    std::atomic<bool> m_cancelled{false};
};

} // namespace corvane::platform
