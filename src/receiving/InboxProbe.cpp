#include "InboxProbe.h"

#include "Logging.h"

#include "platform/Paths.h"
#include "platform/Retry.h"
#include "platform/UiThread.h"

#include <QDir>
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

#ifndef Q_OS_WIN
// Asks a share that fails for a moment again every tenth of a second for up to a minute.
constexpr platform::RetryPolicy kShareLook{.what = "look at a folder",
                                           .patience = std::chrono::seconds(60),
                                           .delay = std::chrono::milliseconds(100),
                                           .step = std::chrono::milliseconds(0)};
#endif

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
    bool isFolder = false;
    platform::retry(kShareLook, std::function<bool()>([&] {
        struct stat info;
        if (::stat(name.constData(), &info) == 0) {
            isFolder = S_ISDIR(info.st_mode);
            return true;
        }
        return errno == ENOENT || errno == ENOTDIR || errno == EACCES || errno == ENAMETOOLONG;
    }));
    return isFolder;
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
        QTimer::singleShot(m_timeoutMs, context, [settle, pending, folder, timeoutMs = m_timeoutMs] {
            if (!pending->answered)
                qCInfo(lcReceiving, "no answer from %s within %d ms: taken as missing",
                        qUtf8Printable(QDir::toNativeSeparators(folder)), timeoutMs);
            settle(false);
        });

    auto *task = new TCheckInBoxExist;
    task->Inbox = folder;
    task->Name = name;
    task->folderExists = m_folderExists;
    task->done = [settle](bool exists) { platform::postToUiThread([settle, exists] { settle(exists); }); };
    task->setAutoDelete(true);
    m_pool.start(task);
}

} // namespace corvane::receiving
