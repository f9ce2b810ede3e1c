#include "UiThread.h"

#include <QCoreApplication>
#include <QThread>

namespace corvane::platform {

bool isUiThread()
{
    const QCoreApplication *app = QCoreApplication::instance();
    return !app || QThread::currentThread() == app->thread();
}

void postToUiThread(std::function<void()> function)
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(function), Qt::QueuedConnection);
}

} // namespace corvane::platform
