#include "WindowDesk.h"

#include "receiving/UnreadCount.h"

#include "Icons.h"
#include "MainWindow.h"
#include "WindowServices.h"

#include "receiving/widgets/DesktopNotifier.h"
#include "receiving/widgets/MediaSoundPlayer.h"
#include "receiving/widgets/NotifyIcon.h"

#include "ui/widgets/StatusBarEx.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace corvane::shell {

WindowDesk::WindowDesk(MainWindow &window, const WindowServices &services)
    : QObject(&window), m_window(window), m_services(services)
{
    receiving::SoundPlayer *sound = services.sound;
    if (!sound) {
        auto player = std::make_unique<receiving::MediaSoundPlayer>();
        sound = player.get();
        m_ownSound = std::move(player);
    }
    receiving::DesktopNotifications *notifications = services.notifications;
    if (!notifications) {
        auto notifier = std::make_unique<receiving::DesktopNotifier>();
        notifications = notifier.get();
        m_ownNotifications = std::move(notifier);
    }
    m_announcer = new receiving::NewMailAnnouncer(*this, *sound, *notifications, this);
    connect(m_announcer, &receiving::NewMailAnnouncer::statusTextChanged, this,
            [this](const QString &text) { m_window.statusBarEx()->setPanelText(0, text); });

    m_notifyIcon = new receiving::NotifyIcon(&window, services.tray);
    m_notifyIcon->setObjectName(QStringLiteral("NotifyIcon1"));
    m_notifyIcon->setImageList({icons::application()}); // "TrayIconIL"
    m_notifyIcon->setHint(tr("Corvane"));
    buildTrayMenu();
    m_notifyIcon->setPopupMenu(m_trayMenu);
    m_notifyIcon->setMinFormToTray(true);
}

void WindowDesk::showUnread(const QString &userName, int unread)
{
    m_notifyIcon->setHint(receiving::unreadTrayHint(userName, unread));
}

WindowDesk::~WindowDesk()
{
    delete m_trayMenu; // a menu without a parent widget: the tray only borrows it
}

void WindowDesk::buildTrayMenu()
{
    m_trayMenu = new QMenu;
    m_trayMenu->setObjectName(QStringLiteral("TrayMenu"));
    QAction *restore = m_trayMenu->addAction(tr("Restore"));
    restore->setObjectName(QStringLiteral("CheckMail1"));
    m_trayMenu->setDefaultAction(restore);
    // "Restore" brings the window back and leaves the icon; a left click on the icon removes it.
    connect(restore, &QAction::triggered, m_notifyIcon, &receiving::NotifyIcon::restoreForm);

    QAction *checki = m_window.checkMailAction();
    QAction *check = m_trayMenu->addAction(checki->icon(), checki->text());
    check->setObjectName(QStringLiteral("Restore1"));
    check->setToolTip(checki->toolTip());
    check->setEnabled(checki->isEnabled());
    connect(checki, &QAction::changed, check, [check, checki] { check->setEnabled(checki->isEnabled()); });
    connect(check, &QAction::triggered, checki, &QAction::trigger);

    QAction *close = m_trayMenu->addAction(tr("Close"));
    close->setObjectName(QStringLiteral("Close1"));
    connect(close, &QAction::triggered, this, &WindowDesk::close1Click);
}

void WindowDesk::close1Click()
{
    // Ends the program without a question; running attachment copies are still waited for.
    if (m_window.close())
        QCoreApplication::quit();
}

void WindowDesk::announce(const QList<receiving::ArrivedMessage> &arrived)
{
    const Settings &settings = m_window.startup().settings();
    receiving::AnnouncementSettings announcement;
    announcement.popup = settings.mailPopup;
    announcement.soundType = settings.mailSoundType;
    announcement.soundFile = settings.mailSound;
    announcement.desktopNotification = settings.desktopNotification;
    m_announcer->announce(announcement, arrived);
}

void WindowDesk::showNewMailBox()
{
    m_services.messages->showNotice(&m_window, {core::Notice::Code::NewMail, core::Notice::Kind::Information, receiving::newMailText(), false});
}

void WindowDesk::beep()
{
    m_services.messages->beep();
}

void WindowDesk::showInbox()
{
    // Inside the window as it is: a window hidden in the tray stays hidden.
    m_window.showPane(Pane::InBox);
}

bool WindowDesk::windowInView() const
{
    return m_window.isVisible() && !m_window.isMinimized() && m_window.isActiveWindow();
}

void WindowDesk::restoreToInbox()
{
    if (m_notifyIcon->isActive() && !m_window.isVisible())
        m_notifyIcon->restoreFromTray();
    else
        m_notifyIcon->restoreForm();
    m_window.showPane(Pane::InBox);
}

} // namespace corvane::shell
