#include "NewMailAnnouncement.h"

#include "InboxStore.h"

#include "platform/Paths.h"

#include <algorithm>

#include <QPointer>
#include <QStringList>
#include <QTimer>

namespace corvane::receiving {

QList<ArrivedMessage> arrivedSince(const InboxStore &store, int firstPosition)
{
    QList<ArrivedMessage> arrived;
    for (int position = std::max(firstPosition, 0); position < store.count(); ++position) {
        const InboxRow row = store.rowAt(position);
        arrived.append({row.from, row.subject});
    }
    return arrived;
}

NewMailAnnouncer::NewMailAnnouncer(AnnouncementDesk &desk, SoundPlayer &sound,
                                   DesktopNotifications &notifications, QObject *parent)
    : QObject(parent), m_desk(desk), m_sound(sound), m_notifications(notifications)
{
}

void NewMailAnnouncer::announce(const AnnouncementSettings &settings, const QList<ArrivedMessage> &arrived)
{
    if (settings.soundType == AnnouncementSettings::CustomSound)
        playSound(settings);
    // Asked before the Inbox comes to the front: a window out of view stays out of view.
    if (settings.desktopNotification && !m_desk.windowInView())
        m_notifications.notify(newMailText(), notificationBody(arrived), [this] { m_desk.restoreToInbox(); });
    if (settings.popup)
        m_desk.showNewMailBox();
    if (settings.soundType == AnnouncementSettings::DefaultBeep)
        m_desk.beep();
    m_desk.showInbox();
}

void NewMailAnnouncer::playSound(const AnnouncementSettings &settings)
{
    if (settings.soundFile != m_soundSetting) {
        m_soundSetting = settings.soundFile;
        m_reported.clear();
    }
    const QString file = settings.soundFile;
    // Failures reach the status bar after the check has ended, never in the middle of it.
    QPointer<NewMailAnnouncer> self(this);
    auto failed = [self, file](const QString &reason) {
        QTimer::singleShot(0, self, [self, file, reason] {
            if (self)
                self->soundFailed(file, reason);
        });
    };
    if (!platform::fileExists(file)) {
        failed(file.isEmpty() ? tr("no sound file is chosen") : tr("the file does not exist"));
        return;
    }
    m_sound.play(file, failed);
}

void NewMailAnnouncer::soundFailed(const QString &file, const QString &reason)
{
    if (file != m_soundSetting || m_reported.contains(file))
        return;
    m_reported.insert(file);
    Q_EMIT statusTextChanged(soundFailedText(file, reason));
}

QString NewMailAnnouncer::notificationBody(const QList<ArrivedMessage> &arrived)
{
    if (arrived.size() > 3)
        return tr("%1 new messages").arg(arrived.size());
    QStringList lines;
    for (const ArrivedMessage &message : arrived)
        lines.append(message.subject.isEmpty() ? message.from : tr("%1: %2").arg(message.from, message.subject));
    return lines.join(u'\n');
}

QString NewMailAnnouncer::soundFailedText(const QString &file, const QString &reason)
{
    return tr("The mail sound \"%1\" could not be played: %2").arg(file, reason);
}

} // namespace corvane::receiving
