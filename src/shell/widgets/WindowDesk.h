#pragma once

#include "receiving/NewMailAnnouncement.h"

#include <QObject>

#include <memory>

class QAction;
class QMenu;

namespace corvane::receiving {
class NotifyIcon;
}

namespace corvane::shell {

class MainWindow;
struct WindowServices;

// The main window's place on the desktop: its tray icon "NotifyIcon1" with the menu "TrayMenu",
// and the announcement of new mail through the window's sound, box, beep, Inbox pane and desktop
// notifications.
class WindowDesk : public QObject, private receiving::AnnouncementDesk
{
    Q_OBJECT

public:
    WindowDesk(MainWindow &window, const WindowServices &services);
    ~WindowDesk() override;

    receiving::NotifyIcon *notifyIcon() const { return m_notifyIcon; }
    QMenu *trayMenu() const { return m_trayMenu; }
    receiving::NewMailAnnouncer &announcer() { return *m_announcer; }

    // Announces what a check brought, with the live settings.
    void announce(const QList<receiving::ArrivedMessage> &arrived);
    // The tray icon's hint names the user and how many messages are unread.
    void showUnread(const QString &userName, int unread);

private:
    void buildTrayMenu();
    void close1Click();

    void showNewMailBox() override;
    void beep() override;
    void showInbox() override;
    bool windowInView() const override;
    void restoreToInbox() override;

    MainWindow &m_window;
    const WindowServices &m_services;
    std::unique_ptr<receiving::SoundPlayer> m_ownSound;
    std::unique_ptr<receiving::DesktopNotifications> m_ownNotifications;
    receiving::NotifyIcon *m_notifyIcon = nullptr;
    QMenu *m_trayMenu = nullptr;
    receiving::NewMailAnnouncer *m_announcer = nullptr;
};

} // namespace corvane::shell
