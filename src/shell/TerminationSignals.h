#pragma once

#include <QObject>

class QSocketNotifier;

namespace corvane::shell {

// Turns SIGTERM and SIGHUP (a kill, the end of the desktop session) into a Qt signal on the thread
// that made this object, so that the program ends as its window's close box ends it instead of
// dying with unsaved state and its profile lock held. The handler only writes a byte to a socket
// pair (all a signal handler may safely do); a socket notifier reads it in the event loop. One
// object at a time; the earlier handlers come back when it goes. Does nothing outside Unix.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

Q_SIGNALS:
    void received(int signalNumber);

private:
    void readPending();

    QSocketNotifier *m_notifier = nullptr;
};

} // namespace corvane::shell
