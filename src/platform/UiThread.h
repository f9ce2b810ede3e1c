#pragma once

#include <QMetaObject>
#include <QObject>
#include <QThreadPool>

#include <exception>
#include <functional>
#include <optional>
#include <type_traits>
#include <utility>

namespace corvane::platform {

// Queues the function to run on the application object's thread and returns at once.
void postToUiThread(std::function<void()> function);

bool isUiThread();

// Runs `work` on the pool and returns at once. When the work has ended, `done` runs on the
// context's thread (by a queued call) with a function that gives the work's result or throws what
// the work threw. Nothing is handed over once the context has been destroyed; its owner waits for
// the pool before that.
template <typename Work, typename Done>
void startOnWorker(QThreadPool &pool, QObject *context, Work work, Done done)
{
    using Result = std::invoke_result_t<Work &>;
    pool.start([context, work = std::move(work), done = std::move(done)]() mutable {
        std::optional<Result> value;
        std::exception_ptr failure;
        try {
            value.emplace(work());
        } catch (...) {
            failure = std::current_exception(); // rethrown on the context's thread by `outcome`
        }
        QMetaObject::invokeMethod(
            context,
            [done = std::move(done), value = std::move(value), failure]() mutable {
                done([&]() -> Result {
                    if (failure)
                        std::rethrow_exception(failure);
                    return std::move(*value);
                });
            },
            Qt::QueuedConnection);
    });
}

} // namespace corvane::platform
