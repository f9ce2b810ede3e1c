#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace corvane::shell {

// Lets a second window started on the same profile hand over to the first: the first listens on a
// local socket named after the profile folder; the second asks it to come to the front and ends.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstance(const QString &profileFolder, QObject *parent = nullptr);
    ~SingleInstance() override;

    // Starts listening; false when the name cannot be taken.
    bool listen();
    // Asks a running window of this profile to come to the front; false when none answered.
    bool activateRunning(int timeoutMs = 2000) const;

    static QString serverName(const QString &profileFolder);

Q_SIGNALS:
    void activationRequested();

private:
    QString m_name;
    QLocalServer *m_server = nullptr;
};

} // namespace corvane::shell
