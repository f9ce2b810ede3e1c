#include "InboxProbe.h"

#include "platform/Paths.h"
#include "platform/UiThread.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include <atomic>
#ifndef Q_OS_WIN
#include <cerrno>
#include <sys/stat.h>
#endif
#include <memory>

namespace corvane::receiving {

void TCheckInBoxExist::run()
{
    QThread::currentThread()->setObjectName(QStringLiteral("Check InBox Exists for ") + Name);
    const bool exists = folderExists(Inbox);
    done(exists);
}

namespace {

// Whether the folder exists. A share that answers with an error other than "not there" (EIO for a
// moment after certain operations) is asked again until the probe's time-out decides.
bool folderExistsOnShare(const QString &path)
{
#ifdef Q_OS_WIN
    return platform::folderExists(path);
#else
    if (path.isEmpty())
        return false;
    const QByteArray name = QFile::encodeName(path);
    QElapsedTimer elapsed;
    elapsed.start();
    while (true) {
        struct stat info;
        if (::stat(name.constData(), &info) == 0)
            return S_ISDIR(info.st_mode);
        if (errno == ENOENT || errno == ENOTDIR || errno == EACCES || errno == ENAMETOOLONG
            || elapsed.elapsed() > 60000)
            return false;
        QThread::msleep(100);
    }
#endif
}

} // namespace

InboxProbes::InboxProbes(int timeoutMs)
    : m_folderExists(folderExistsOnShare),
      m_timeoutMs(timeoutMs)
{
    // Probes blocked on unreachable shares hold their threads; keep enough for the others.
    m_pool.setMaxThreadCount(32);
}

InboxProbes::~InboxProbes()
{
    m_pool.waitForDone();
}

void InboxProbes::probe(const QString &folder, const QString &name, QObject *context,
                        std::function<void(bool exists)> answer)
{
    // The first of the worker's answer and the time-out wins; the other is dropped.
    struct Pending
    {
        std::atomic<bool> answered{false};
        std::function<void(bool)> answer;
    };
    auto pending = std::make_shared<Pending>();
    pending->answer = std::move(answer);
    const QPointer<QObject> guard(context);
    auto settle = [pending, guard](bool exists) {
        if (guard && !pending->answered.exchange(true))
            pending->answer(exists);
    };

    if (m_timeoutMs >= 0)
        QTimer::singleShot(m_timeoutMs, context, [settle] { settle(false); });

    auto *task = new TCheckInBoxExist;
    task->Inbox = folder;
    task->Name = name;
    task->folderExists = m_folderExists;
    task->done = [settle](bool exists) { platform::postToUiThread([settle, exists] { settle(exists); }); };
    task->setAutoDelete(true);
    m_pool.start(task);
}

} // namespace corvane::receiving
