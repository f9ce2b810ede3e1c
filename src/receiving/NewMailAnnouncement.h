#pragma once

#include <QCoreApplication>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>

#include <functional>

namespace corvane::receiving {

class InboxStore;

// The title of the new mail box and notification, in the user's language.
inline QString newMailText()
{
    return QCoreApplication::translate("NewMailAnnouncement", "New mail");
}

// How the user wants new mail announced: "Mail Popup", "Mail Sound Type", "Mail Sound" and
// "Desktop Notification" as the settings pane holds them at the moment.
struct AnnouncementSettings
{
    enum SoundType { NoSound = 0, DefaultBeep = 1, CustomSound = 2 };
    bool popup = false;
    int soundType = CustomSound;
    QString soundFile;
    bool desktopNotification = true;
};

// One message a check took in, as the desktop notification names it.
struct ArrivedMessage
{
    QString from;
    QString subject;

    bool operator==(const ArrivedMessage &) const = default;
};

// The messages of the store from a position on: those a check appended.
QList<ArrivedMessage> arrivedSince(const InboxStore &store, int firstPosition);

// Plays a sound file without waiting for its end.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    // Starts playing and returns at once. A file that cannot be played is reported through
    // failed (possibly later, on this thread) with the reason in the user's words.
    virtual void play(const QString &file, std::function<void(const QString &reason)> failed) = 0;
};

// The desktop's notification service.
class DesktopNotifications
{
public:
    virtual ~DesktopNotifications() = default;
    // Sends a notification; activated runs when the user takes its default action. Does nothing
    // when the desktop runs no notification service.
    virtual void notify(const QString &summary, const QString &body, std::function<void()> activated) = 0;
};

// What an announcement does on the desktop, in the window's terms.
class AnnouncementDesk
{
public:
    virtual ~AnnouncementDesk() = default;
    // The information box "New mail" with OK; returns when it is closed.
    virtual void showNewMailBox() = 0;
    // The system's default beep.
    virtual void beep() = 0;
    // Brings the Inbox pane to the front and refills it, without showing a hidden window.
    virtual void showInbox() = 0;
    // The window is the active window (not hidden in the tray, minimised or behind another program).
    virtual bool windowInView() const = 0;
    // Shows the window and its Inbox: the notification's default action.
    virtual void restoreToInbox() = 0;
};

// Announces the new mail a check brought: the custom sound (not waited for), a desktop
// notification when the window is not in view, the "New mail" box, the default beep after the box,
// and the Inbox pane. A sound that cannot be played does not end the announcement: the status text
// says why, once per file until the sound setting changes.
class NewMailAnnouncer : public QObject
{
    Q_OBJECT

public:
    NewMailAnnouncer(AnnouncementDesk &desk, SoundPlayer &sound, DesktopNotifications &notifications,
                     QObject *parent = nullptr);

    void announce(const AnnouncementSettings &settings, const QList<ArrivedMessage> &arrived);

    // The notification's body: sender and subject of up to three messages, else their number.
    static QString notificationBody(const QList<ArrivedMessage> &arrived);
    static QString soundFailedText(const QString &file, const QString &reason);

Q_SIGNALS:
    // Text for the status bar.
    void statusTextChanged(const QString &text);

private:
    void playSound(const AnnouncementSettings &settings);
    void soundFailed(const QString &file, const QString &reason);

    AnnouncementDesk &m_desk;
    SoundPlayer &m_sound;
    DesktopNotifications &m_notifications;
    QString m_soundSetting;      // the sound file the reported failures belong to
    QSet<QString> m_reported;    // files whose failure the user has been told of
};

} // namespace corvane::receiving
