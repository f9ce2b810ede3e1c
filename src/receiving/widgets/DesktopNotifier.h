#pragma once

#include "receiving/NewMailAnnouncement.h"

#include <QDBusConnection>
#include <QHash>
#include <QObject>

namespace corvane::receiving {

// Desktop notifications through the freedesktop notification service on the session bus
// ("org.freedesktop.Notifications"). Calls never wait for the service; where none runs, nothing
// is shown and nothing fails. A new notification replaces the previous one still on screen.
class DesktopNotifier final : public QObject, public DesktopNotifications
{
    Q_OBJECT

public:
    static constexpr const char *kService = "org.freedesktop.Notifications";
    static constexpr const char *kPath = "/org/freedesktop/Notifications";
    static constexpr const char *kApplicationName = "Corvane";
    static constexpr const char *kIconName = "corvane"; // in the hicolor theme, as installed

    explicit DesktopNotifier(const QDBusConnection &connection = QDBusConnection::sessionBus(),
                             QObject *parent = nullptr);

    void notify(const QString &summary, const QString &body, std::function<void()> activated) override;

    // Waiting for the service's answer to a notification.
    bool isWaitingForReply() const { return m_waiting > 0; }

Q_SIGNALS:
    // The service answered a notification, or could not be reached (then with id 0).
    void replied(uint id);

private Q_SLOTS:
    void actionInvoked(uint id, const QString &actionKey);
    void notificationClosed(uint id, uint reason);

private:
    QDBusConnection m_connection;
    bool m_listening = false;
    uint m_lastId = 0;
    int m_waiting = 0;
    QHash<uint, std::function<void()>> m_defaultActions;
};

} // namespace corvane::receiving
