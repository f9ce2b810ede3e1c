#pragma once

#include <QObject>

class QTimer;

namespace corvane::shell {

// The automatic check timer ("CheckMailT"): ticks every configured number of minutes while it is
// enabled. The minutes box sets the interval at once (restarting a running countdown); only the
// start-up sequence switches it on or off. An interval of 0 or less never ticks.
class AutoCheckTimer : public QObject
{
    Q_OBJECT

public:
    explicit AutoCheckTimer(QObject *parent = nullptr);

    void setIntervalMinutes(int minutes);
    void setEnabled(bool enabled);

    bool isEnabled() const { return m_enabled; }
    // Enabled with a positive interval: a tick will come.
    bool isTicking() const;
    int intervalMs() const;
    QTimer *timer() const { return m_timer; }

    // Minutes as milliseconds; 0 for 0 or less, and at most the largest interval a timer takes.
    static int intervalMsFor(int minutes);

Q_SIGNALS:
    void tick();

private:
    void restart();

    QTimer *m_timer;
    bool m_enabled = false;
};

} // namespace corvane::shell
