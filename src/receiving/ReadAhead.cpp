#include "ReadAhead.h"

#include <QFile>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace corvane::receiving {

struct ReadAhead::State
{
    QStringList paths;
    std::mutex mutex;
    std::condition_variable ready; // a file was read
    std::condition_variable space; // the check took one
    std::deque<FileRead> queue;
    bool cancelled = false;
};

namespace {

FileRead readFile(const QString &path)
{
    FileRead read;
    read.path = path;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        read.exists = file.exists();
        read.error = file.errorString();
        return read;
    }
    read.opened = true;
    read.bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        read.opened = false;
        read.error = file.errorString();
    }
    return read;
}

} // namespace

ReadAhead::ReadAhead(QStringList paths) : m_state(std::make_shared<State>())
{
    m_state->paths = std::move(paths);
    // The worker holds the state too, so a read hanging on a share outlives this object safely.
    std::thread([state = m_state] {
        for (const QString &path : std::as_const(state->paths)) {
            {
                std::unique_lock lock(state->mutex);
                state->space.wait(lock, [&] { return state->cancelled || state->queue.size() < kAhead; });
                if (state->cancelled)
                    return;
            }
            FileRead read = readFile(path);
            std::lock_guard lock(state->mutex);
            if (state->cancelled)
                return;
            state->queue.push_back(std::move(read));
            state->ready.notify_one();
        }
    }).detach();
}

ReadAhead::~ReadAhead()
{
    std::lock_guard lock(m_state->mutex);
    m_state->cancelled = true;
    m_state->space.notify_all();
}

FileRead ReadAhead::next(const std::function<void()> &letEventsRun)
{
    using namespace std::chrono_literals;
    std::unique_lock lock(m_state->mutex);
    while (m_state->queue.empty()) {
        if (!m_state->ready.wait_for(lock, 5ms, [&] { return !m_state->queue.empty(); })) {
            lock.unlock();
            letEventsRun();
            lock.lock();
        }
    }
    FileRead read = std::move(m_state->queue.front());
    m_state->queue.pop_front();
    m_state->space.notify_one();
    return read;
}

} // namespace corvane::receiving
