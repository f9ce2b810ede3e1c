#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Store documents as the program writes them, for the list panes' tests and screenshots.
namespace corvane::test {

inline QByteArray escaped(const QString &text)
{
    return text.toHtmlEscaped().toUtf8();
}

// A stored inbox message: sender, subject, attached file names, date text and read mark.
inline QByteArray inboxMessage(const QString &from, const QString &subject, const QStringList &attachments = {},
                               const QString &date = QStringLiteral("12/7/2026 12:00:00 PM"),
                               const QString &read = QStringLiteral("Unread"))
{
    QByteArray files;
    for (const QString &name : attachments)
        files += "<Attachment Filename=\"" + escaped(name) + "\"/>";
    return "<Message Read=\"" + escaped(read) + "\"><To><Recipient Name=\"Ann\"/></To><From Name=\"" + escaped(from)
        + "\"/><Subject Text=\"" + escaped(subject) + "\"/><Attachments>" + files + "</Attachments><Date Value=\""
        + escaped(date) + "\"/><Body>{\\rtf1 Hello}</Body></Message>";
}

inline QByteArray inboxStore(const QList<QByteArray> &messages)
{
    return "<?xml version=\"1.0\"?><Inbox><Properties/><Messages>" + messages.join() + "</Messages></Inbox>";
}

// A stored sent message: recipients, subject, attached files' full paths and date text.
inline QByteArray sentMessage(const QStringList &to, const QString &subject, const QStringList &paths,
                              const QString &date)
{
    QByteArray recipients, files;
    for (const QString &name : to)
        recipients += "<Recipient Name=\"" + escaped(name) + "\"/>";
    for (const QString &path : paths)
        files += "<Attachment FilePath=\"" + escaped(path) + "\"/>";
    return "<Message GUID=\"{6F9619FF-8B86-D011-B42D-00C04FC964FF}\"><To>" + recipients
        + "</To><From Name=\"Ann\"/><Subject Text=\"" + escaped(subject) + "\"/><Attachments>" + files
        + "</Attachments><Date Value=\"" + escaped(date) + "\"/><Body>{\\rtf1 Hi}</Body></Message>";
}

inline QByteArray sentStore(const QList<QByteArray> &messages)
{
    return "<?xml version=\"1.0\"?><Sentbox><Properties/><Messages>" + messages.join() + "</Messages></Sentbox>";
}

inline QByteArray addressEntry(const QString &name, const QString &inbox, const QString &comment,
                               const QString &server)
{
    return "<Address Name=\"" + escaped(name) + "\" Inbox=\"" + escaped(inbox) + "\" Comment=\"" + escaped(comment)
        + "\" Server=\"" + escaped(server) + "\"/>";
}

inline QByteArray addressStore(const QList<QByteArray> &entries)
{
    return "<?xml version=\"1.0\"?><Addressbook><Addresses>" + entries.join() + "</Addresses></Addressbook>";
}

} // namespace corvane::test
