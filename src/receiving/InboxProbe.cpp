#include "InboxProbe.h"

#include "platform/Paths.h"
#include "platform/UiThread.h"

#include <QPointer>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <memory>

namespace corvane::receiving {

void TCheckInBoxExist::run()
{
    QThread::currentThread()->setObjectName(QStringLiteral("Check InBox Exists for ") + Name);
    const bool exists = folderExists(Inbox);
    done(exists);
}

InboxProbes::InboxProbes(int timeoutMs)
    : m_folderExists([](const QString &path) { return platform::folderExists(path); }),
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
