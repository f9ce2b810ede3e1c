#pragma once

#include "addressbook/FolderProbe.h"

#include <QRunnable>
#include <QString>
#include <QThreadPool>

#include <functional>

namespace corvane::receiving {

// One folder test on a worker thread.
class TCheckInBoxExist : public QRunnable
{
public:
    QString Inbox;
    QString Name;
    std::function<bool(const QString &)> folderExists;
    // Runs on the worker thread with the answer.
    std::function<void(bool exists)> done;

    void run() override;
};

// The folder probes of address collection: one worker per folder, run in parallel; answers are
// handed to the UI thread; a probe that has not answered within the time-out counts as a missing
// folder (a share that cannot be reached can keep a test waiting for minutes).
class InboxProbes : public addressbook::FolderProbe
{
public:
    static constexpr int kDefaultTimeoutMs = 10000;

    explicit InboxProbes(int timeoutMs = kDefaultTimeoutMs);
    ~InboxProbes() override;

    // Test seam: how a folder is tested (default: it exists and is a folder).
    void setFolderTest(std::function<bool(const QString &)> test) { m_folderExists = std::move(test); }
    void setTimeoutMs(int timeoutMs) { m_timeoutMs = timeoutMs; }

    // `answer` runs on the UI thread.
    void probe(const QString &folder, const QString &name, QObject *context,
               std::function<void(bool exists)> answer) override;

private:
    std::function<bool(const QString &)> m_folderExists;
    int m_timeoutMs;
    QThreadPool m_pool;
};

} // namespace corvane::receiving
