#pragma once

#include <QCoreApplication>
#include <QString>

namespace corvane::receiving {

// The navigation item of the inbox with the number of unread messages: "InBox (3)"; the caption
// alone when there are none.
inline QString unreadItemCaption(const QString &caption, int unread)
{
    return unread > 0 ? QStringLiteral("%1 (%2)").arg(caption).arg(unread) : caption;
}

// The tray icon's hint: the program, whose mail it is and how many messages are unread.
inline QString unreadTrayHint(const QString &userName, int unread)
{
    const QString count = unread == 0 ? QCoreApplication::translate("UnreadCount", "no unread messages")
        : unread == 1                 ? QCoreApplication::translate("UnreadCount", "1 unread message")
                      : QCoreApplication::translate("UnreadCount", "%1 unread messages").arg(unread);
    return userName.isEmpty() ? QStringLiteral("Corvane: %1").arg(count)
                              : QStringLiteral("Corvane - %1: %2").arg(userName, count);
}

} // namespace corvane::receiving
