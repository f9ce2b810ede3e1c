#include "receiving/widgets/NotifyIcon.h"

#include <QEvent>
#include <QMenu>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace corvane::receiving {

SystemTrayBackend::SystemTrayBackend()
{
    QObject::connect(&m_icon, &QSystemTrayIcon::activated, &m_icon,
                     [this](QSystemTrayIcon::ActivationReason reason) {
                         if (activated)
                             activated(reason);
                     });
}

NotifyIcon::NotifyIcon(QObject *owner, TrayBackend *backend) : QObject(owner), m_backend(backend)
{
    if (!m_backend) {
        m_ownBackend = std::make_unique<SystemTrayBackend>();
        m_backend = m_ownBackend.get();
    }
    m_backend->activated = [this](QSystemTrayIcon::ActivationReason reason) { trayActivated(reason); };
    m_frames = new QTimer(this);
    connect(m_frames, &QTimer::timeout, this, [this] {
        if (!m_images.isEmpty())
            m_frame = (m_frame + 1) % int(m_images.size());
        showFrame();
    });
}

NotifyIcon::~NotifyIcon()
{
    if (m_form)
        m_form->removeEventFilter(this);
    m_backend->activated = nullptr;
    m_backend->setVisible(false);
}

void NotifyIcon::setActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    applyState();
}

void NotifyIcon::setAnimated(bool animated)
{
    if (animated == m_animated)
        return;
    m_animated = animated;
    m_frame = 0;
    applyState();
}

void NotifyIcon::setAnimateDelay(int ms)
{
    if (ms == m_animateDelay)
        return;
    m_animateDelay = ms;
    applyState();
}

void NotifyIcon::setHint(const QString &hint)
{
    if (hint == m_hint)
        return;
    m_hint = hint;
    applyState();
}

void NotifyIcon::setIconIndex(int index)
{
    if (index == m_iconIndex)
        return;
    m_iconIndex = index;
    applyState();
}

void NotifyIcon::setImageList(const QList<QIcon> &images)
{
    m_images = images;
    m_frame = 0;
    applyState();
}

void NotifyIcon::setPopupMenu(QMenu *menu)
{
    m_menu = menu;
    m_backend->setContextMenu(menu);
}

void NotifyIcon::setMinFormToTray(bool on)
{
    if (on == m_minFormToTray)
        return;
    if (on) {
        auto *form = qobject_cast<QWidget *>(parent());
        if (!form || !form->isWindow())
            throw NotifyIconError(QStringLiteral("Owner must be a form"));
        m_form = form;
        m_form->installEventFilter(this);
    } else if (m_form) {
        m_form->removeEventFilter(this);
        m_form = nullptr;
    }
    m_minFormToTray = on;
}

void NotifyIcon::applyState()
{
    if (!m_active) {
        m_frames->stop();
        m_backend->setVisible(false);
        return;
    }
    // The tip keeps at most 64 characters, as the tray of old did.
    m_backend->setToolTip(m_hint.left(64));
    showFrame();
    if (m_animated && m_images.size() > 1)
        m_frames->start(std::max(m_animateDelay, 1));
    else
        m_frames->stop();
    m_backend->setVisible(true);
}

void NotifyIcon::showFrame()
{
    const int index = m_animated ? m_frame : m_iconIndex;
    if (index >= 0 && index < m_images.size())
        m_backend->setIcon(m_images.at(index));
}

void NotifyIcon::trayActivated(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        if (m_minFormToTray)
            restoreFromTray();
        break;
    case QSystemTrayIcon::DoubleClick:
        Q_EMIT doubleClicked();
        break;
    default:
        break; // the context menu pops up by itself
    }
}

bool NotifyIcon::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_form && event->type() == QEvent::WindowStateChange && m_form->isMinimized()
        && m_form->isVisible() && m_backend->isAvailable()) {
        // Hidden once the state change is through: hiding inside it would leave the window
        // half-minimised on some window managers.
        QTimer::singleShot(0, this, &NotifyIcon::hideToTray);
    }
    return QObject::eventFilter(watched, event);
}

void NotifyIcon::hideToTray()
{
    if (!m_form || !m_form->isMinimized())
        return;
    m_form->hide();
    setActive(true);
}

void NotifyIcon::restoreFromTray()
{
    restoreForm();
    setActive(false);
}

void NotifyIcon::restoreForm()
{
    if (m_form) {
        m_form->setWindowState((m_form->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        m_form->show();
        m_form->raise();
        m_form->activateWindow();
    }
}

} // namespace corvane::receiving
