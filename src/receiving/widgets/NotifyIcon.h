#pragma once

#include "platform/Errors.h"

#include <QIcon>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>

#include <functional>
#include <memory>

class QMenu;
class QTimer;
class QWidget;

namespace corvane::receiving {

// Raised when a tray icon is asked to minimise an owner that is no window.
class NotifyIconError : public Error
{
public:
    using Error::Error;
};

// The desktop's tray, as the tray icon uses it; a fake stands in for it in tests.
class TrayBackend
{
public:
    virtual ~TrayBackend() = default;
    virtual bool isAvailable() const = 0;
    virtual void setVisible(bool visible) = 0;
    virtual void setIcon(const QIcon &icon) = 0;
    virtual void setToolTip(const QString &tip) = 0;
    virtual void setContextMenu(QMenu *menu) = 0;
    // Called with the way the user touched the icon.
    std::function<void(QSystemTrayIcon::ActivationReason)> activated;
};

// The tray through QSystemTrayIcon.
class SystemTrayBackend final : public TrayBackend
{
public:
    SystemTrayBackend();
    bool isAvailable() const override { return QSystemTrayIcon::isSystemTrayAvailable(); }
    void setVisible(bool visible) override { m_icon.setVisible(visible); }
    void setIcon(const QIcon &icon) override { m_icon.setIcon(icon); }
    void setToolTip(const QString &tip) override { m_icon.setToolTip(tip); }
    void setContextMenu(QMenu *menu) override { m_icon.setContextMenu(menu); }

private:
    QSystemTrayIcon m_icon;
};

// The tray icon component: shows one image of its list (or cycles through them when animated) in
// the tray while Active, offers its PopupMenu on a right click and, with MinFormToTray, hides its
// owner window to the tray when it is minimised and brings it back on a left click. The animation
// runs on a timer of the UI thread.
class NotifyIcon : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool Active READ isActive WRITE setActive)
    Q_PROPERTY(bool Animated READ isAnimated WRITE setAnimated)
    Q_PROPERTY(int AnimateDelay READ animateDelay WRITE setAnimateDelay)
    Q_PROPERTY(QString Hint READ hint WRITE setHint)
    Q_PROPERTY(int IconIndex READ iconIndex WRITE setIconIndex)
    Q_PROPERTY(bool MinFormToTray READ minFormToTray WRITE setMinFormToTray)

public:
    // owner: the window that MinFormToTray hides; backend: the tray (the desktop's when null).
    explicit NotifyIcon(QObject *owner, TrayBackend *backend = nullptr);
    ~NotifyIcon() override;

    bool isActive() const { return m_active; }
    void setActive(bool active);
    bool isAnimated() const { return m_animated; }
    void setAnimated(bool animated);
    int animateDelay() const { return m_animateDelay; }
    void setAnimateDelay(int ms);
    QString hint() const { return m_hint; }
    void setHint(const QString &hint);
    int iconIndex() const { return m_iconIndex; }
    void setIconIndex(int index);
    QList<QIcon> imageList() const { return m_images; }
    void setImageList(const QList<QIcon> &images);
    QMenu *popupMenu() const { return m_menu; }
    void setPopupMenu(QMenu *menu);
    bool minFormToTray() const { return m_minFormToTray; }
    // Throws NotifyIconError ("Owner must be a form") when the owner is no window.
    void setMinFormToTray(bool on);

    // The tray can show the icon: without one, minimising leaves the window minimised normally.
    bool trayAvailable() const { return m_backend->isAvailable(); }

public Q_SLOTS:
    // Shows the owner window from the tray and removes the icon (a left click on the icon).
    void restoreFromTray();
    // Shows the owner window and leaves the icon in the tray (the menu's "Restore").
    void restoreForm();

Q_SIGNALS:
    void doubleClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyState();
    void showFrame();
    void trayActivated(QSystemTrayIcon::ActivationReason reason);
    void hideToTray();

    std::unique_ptr<TrayBackend> m_ownBackend;
    TrayBackend *m_backend;
    QPointer<QWidget> m_form;
    QMenu *m_menu = nullptr;
    QTimer *m_frames;
    QList<QIcon> m_images;
    QString m_hint;
    bool m_active = false;
    bool m_animated = false;
    int m_animateDelay = 50;
    int m_iconIndex = 0;
    int m_frame = 0;
    bool m_minFormToTray = false;
};

} // namespace corvane::receiving
