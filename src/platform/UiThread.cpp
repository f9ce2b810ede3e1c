#include "UiThread.h"

#include <QCoreApplication>
#include <QThread>

#include <exception>

namespace corvane::platform {

bool isUiThread()
{
    const QCoreApplication *app = QCoreApplication::instance();
    return !app || QThread::currentThread() == app->thread();
}

void runOnUiThreadAndWait(const std::function<void()> &function)
{
    if (isUiThread()) {
        function();
        return;
    }
    std::exception_ptr failure;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [&function, &failure] {
            try {
                function();
            } catch (...) {
                failure = std::current_exception();
            }
        },
        Qt::BlockingQueuedConnection);
    if (failure)
        std::rethrow_exception(failure);
}

void postToUiThread(std::function<void()> function)
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(function), Qt::QueuedConnection);
}

} // namespace corvane::platform
