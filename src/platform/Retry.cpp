#include "Retry.h"

#include "FileIo.h"
#include "Logging.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QThread>

#include <algorithm>
#include <exception>

namespace corvane::platform {

bool retry(const RetryPolicy &policy, const std::function<Try()> &attempt)
{
    QElapsedTimer elapsed;
    elapsed.start();
    int failures = 0;
    for (int tries = 1;; ++tries) {
        const Try outcome = attempt();
        if (outcome == Try::Done)
            return true;
        if (outcome == Try::Failed)
            ++failures;
        else
            failures = 0;
        if ((policy.attempts > 0 && tries >= policy.attempts)
            || (policy.patience.count() > 0 && elapsed.elapsed() >= policy.patience.count())) {
            qCWarning(lcPlatform, "%s: gave up after %d tries in %lld ms", policy.what, tries,
                      static_cast<long long>(elapsed.elapsed()));
            return false;
        }
        qint64 wait = policy.base.count();
        if (failures > 0)
            wait += std::min<qint64>(policy.delay.count() + policy.step.count() * (failures - 1),
                                     policy.maxDelay.count());
        if (policy.jitter.count() > 0)
            wait += QRandomGenerator::global()->bounded(qint64(policy.jitter.count()));
        if (failures > 0)
            qCDebug(lcPlatform, "%s: try %d refused, again in %lld ms", policy.what, tries,
                    static_cast<long long>(wait));
        QThread::msleep(static_cast<unsigned long>(wait));
    }
}

bool retry(const RetryPolicy &policy, const std::function<bool()> &attempt)
{
    return retry(policy, std::function<Try()>([&attempt] { return attempt() ? Try::Done : Try::Failed; }));
}

void retryOnError(const RetryPolicy &policy, const std::function<void()> &operation,
                  const std::function<bool(const Error &)> &passing)
{
    std::exception_ptr last;
    const bool done = retry(policy, std::function<bool()>([&] {
        try {
            operation();
            return true;
        } catch (const Error &error) {
            if (!passing(error))
                throw;
            qCDebug(lcPlatform, "%s: %s", policy.what, qUtf8Printable(error.message()));
            last = std::current_exception();
            return false;
        }
    }));
    if (!done)
        std::rethrow_exception(last);
}

bool removeFileRetrying(const QString &path, const RetryPolicy &policy)
{
    const bool gone = retry(policy, std::function<bool()>([&path] { return QFile::remove(path) || isKnownMissing(path); }));
    if (!gone)
        qCWarning(lcPlatform, "could not remove %s", qUtf8Printable(path));
    return gone;
}

} // namespace corvane::platform
