#include "receiving/widgets/DesktopNotifier.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QLoggingCategory>
#include <QVariantMap>

namespace corvane::receiving {

namespace {

Q_LOGGING_CATEGORY(lcNotifications, "corvane.receiving.notifications")

const QString kInterface = QLatin1String(DesktopNotifier::kService);
const QString kDefaultAction = QStringLiteral("default");

} // namespace

DesktopNotifier::DesktopNotifier(const QDBusConnection &connection, QObject *parent)
    : QObject(parent), m_connection(connection)
{
}

void DesktopNotifier::notify(const QString &summary, const QString &body, std::function<void()> activated)
{
    if (!m_connection.isConnected())
        return;
    if (!m_listening) {
        const QString service = QLatin1String(kService);
        const QString path = QLatin1String(kPath);
        m_connection.connect(service, path, kInterface, QStringLiteral("ActionInvoked"), this,
                             SLOT(actionInvoked(uint, QString)));
        m_connection.connect(service, path, kInterface, QStringLiteral("NotificationClosed"), this,
                             SLOT(notificationClosed(uint, uint)));
        m_listening = true;
    }

    QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(kService), QLatin1String(kPath),
                                                       kInterface, QStringLiteral("Notify"));
    QVariantMap hints;
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("org.corvane.Corvane"));
    hints.insert(QStringLiteral("category"), QStringLiteral("email.arrived"));
    // The body may be read as markup: names and subjects are shown as typed.
    call << QLatin1String(kApplicationName) << m_lastId << QLatin1String(kIconName) << summary
         << body.toHtmlEscaped() << QStringList{kDefaultAction, tr("Show Inbox")} << hints
         << qint32(-1);

    ++m_waiting;
    auto *watcher = new QDBusPendingCallWatcher(m_connection.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, watcher, activated = std::move(activated)] {
                watcher->deleteLater();
                --m_waiting;
                const QDBusPendingReply<uint> reply = *watcher;
                if (reply.isError()) {
                    // No notification service on this desktop: the other announcements suffice.
                    qCInfo(lcNotifications) << "no desktop notification:" << reply.error().message();
                    Q_EMIT replied(0);
                    return;
                }
                const uint id = reply.value();
                m_defaultActions.remove(m_lastId);
                m_lastId = id;
                m_defaultActions.insert(id, activated);
                Q_EMIT replied(id);
            });
}

void DesktopNotifier::actionInvoked(uint id, const QString &actionKey)
{
    if (actionKey != kDefaultAction)
        return;
    if (const std::function<void()> action = m_defaultActions.value(id))
        action();
}

void DesktopNotifier::notificationClosed(uint id, uint)
{
    m_defaultActions.remove(id);
    if (id == m_lastId)
        m_lastId = 0;
}

} // namespace corvane::receiving
