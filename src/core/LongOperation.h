#pragma once

#include "Notice.h"

#include <QObject>

#include <initializer_list>
#include <optional>

namespace corvane::core {

// A long operation (a mail check, a send, an address collection, a spell run): a call starts it
// and returns at once, its steps run from the event loop, and what follows it runs when its own
// finished signal comes. While it runs, a command that conflicts with it is refused with the
// notice refusalWhileRunning() gives, and the window disables such commands on runningChanged.
// This is the one rule for conflicts; each operation words its own refusal.
class LongOperation : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    bool isRunning() const { return m_running; }
    // The notice that refuses a conflicting command; none while the operation does not run.
    std::optional<Notice> refusalWhileRunning() const;

Q_SIGNALS:
    void runningChanged(bool running);

protected:
    // Emits runningChanged when the state changes. An operation sets it before its first step
    // and clears it before it emits its finished signal.
    void setRunning(bool running);
    // Says what runs and when to try again; asked only while the operation runs.
    virtual Notice busyNotice() const = 0;

private:
    bool m_running = false;
};

// The refusal of the first running operation among those a command conflicts with.
std::optional<Notice> refusalWhileAnyRuns(std::initializer_list<const LongOperation *> operations);

} // namespace corvane::core
