#pragma once

// What the mail benchmarks share: their work folder, message files of about 2.3 KB with an RTF
// body, and inbox stores made of such messages.
#include "core/Message.h"
#include "platform/DateText.h"
#include "platform/Guid.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace corvane::bench {

inline QTemporaryDir &workFolder()
{
    // On the disk, not in memory: /var/tmp rather than a tmpfs, unless CORVANE_BENCH_DIR names
    // another folder (a tmpfs to leave the disk out, a mounted share to see what it costs there).
    static QTemporaryDir dir(qEnvironmentVariable("CORVANE_BENCH_DIR", QStringLiteral("/var/tmp"))
                             + QStringLiteral("/corvane-bench-XXXXXX"));
    return dir;
}

// An RTF body of about `characters` characters.
inline QString rtfBody(int i, int characters = 1900)
{
    QString body = QStringLiteral("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}"
                                  "\\viewkind4\\uc1\\pard\\f0\\fs20 Message %1 ")
                       .arg(i);
    while (body.size() < characters)
        body += QStringLiteral("Line of the message body with some words in it \\'e9\\par ");
    return body + u'}';
}

// A message file from Ann to Bob with one attachment and an RTF body (2.2 KB in all with the
// body's default size), with the GUID given or a new one.
inline QByteArray messageFile(int i, int bodyCharacters = 1900, QString guid = {})
{
    core::Message message;
    message.to = {QStringLiteral("Bob")};
    message.from = QStringLiteral("Ann");
    message.subject = QStringLiteral("Subject number %1").arg(i);
    message.attachments = {{QStringLiteral("report.pdf"), QString()}};
    message.date = platform::dateTimeText(QDateTime(QDate(2026, 12, 7), QTime(10, 11, 12)));
    message.bodyRtf = rtfBody(i, bodyCharacters);
    if (guid.isEmpty())
        guid = platform::newGuidText();
    return core::messageFileBytes({message, true, false, guid, QStringLiteral("3.0.0.0")});
}

// Writes an inbox store of `count` unread messages, each as a check would have stored the
// message file: its Message element with Read and GUID added (the GUIDs appended to `guids` when
// given). False when it could not be written.
inline bool writeInboxStore(const QString &path, int count, int bodyCharacters = 1900, QStringList *guids = nullptr)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write("<?xml version=\"1.0\"?><Inbox><Properties/><Messages>");
    for (int i = 0; i < count; ++i) {
        const QByteArray file = messageFile(i, bodyCharacters);
        const qsizetype from = file.indexOf("<Message>");
        const qsizetype to = file.indexOf("</Message>") + 10;
        const QString guid = platform::newGuidText();
        if (guids)
            guids->append(guid);
        f.write("<Message Read=\"Unread\" GUID=\"" + guid.toUtf8() + "\">" + file.mid(from + 9, to - from - 9));
    }
    f.write("</Messages></Inbox>");
    return f.flush() && f.error() == QFileDevice::NoError;
}

} // namespace corvane::bench
