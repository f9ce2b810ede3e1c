#pragma once

#include <QEventLoop>
#include <QObject>
#include <QTimer>

#include <optional>

namespace corvane::test {

// Runs the event loop until the object emits the signal (an operation's finished) and returns
// what it carried; none when the time-out passed first. Connect before the start when the
// operation may finish within it; the operations here finish from the event loop, so waiting
// after the start is enough.
template <typename Object, typename Value>
std::optional<Value> nextEmission(Object &object, void (Object::*signal)(const Value &), int timeoutMs = 60000)
{
    std::optional<Value> value;
    QEventLoop loop;
    const QMetaObject::Connection connection = QObject::connect(&object, signal, &loop, [&](const Value &emitted) {
        value = emitted;
        loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    QObject::disconnect(connection);
    return value;
}

} // namespace corvane::test
