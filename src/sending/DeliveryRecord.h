#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace corvane::sending {

// One message file a send wrote: for whom, where, and whether into a relay (server) folder.
struct DeliveredFile
{
    QString recipient;
    QString path;
    bool relay = false;
    // The file as written (size and modification time in ms since the epoch, -1 when unknown): a
    // later message may be written under the same name once this one was picked up.
    qint64 size = -1;
    qint64 modified = -1;

    bool operator==(const DeliveredFile &) const = default;
};

// What Sent Items keeps of a send's delivery: the message's recipients and the files written.
struct DeliveryRecord
{
    QStringList recipients;
    QList<DeliveredFile> files;

    bool operator==(const DeliveryRecord &) const = default;
};

} // namespace corvane::sending
