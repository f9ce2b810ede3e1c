#pragma once

#include "addressbook/RecipientList.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace corvane::sending {

// Publishes a message file in the folder under the lowest free name `name` + n + ".cvm", without
// ever replacing a file: the bytes go to a temporary file (a name no check matches), which is
// then moved to a free number with a rename that refuses to replace; a number taken meanwhile
// moves on to the next. Where the file system has no such rename (SMB through FUSE), the writers
// of the folder take turns through a lock folder. Returns the path written; throws IoError.
enum class Claiming { NoReplaceRename, LockFolder };
QString publishNumbered(const QString &folder, const QString &name, const QByteArray &bytes,
                        Claiming claiming = Claiming::NoReplaceRename);

struct DeliveryReport
{
    QStringList written;      // paths, in the order written
    QStringList failedTargets; // the Name of every record whose files could not all be written
    QStringList failureReasons; // why, one per failed record
};

inline const QString kErrorSendingTo = QStringLiteral("An error occurred sending to ");

// Delivers the document: into a personal inbox under the record's name, into a server folder
// once for every name of the recipient list (in order). A failed file ends that record's files;
// the next record goes on.
DeliveryReport SendExecute(const QByteArray &document, const QStringList &recipientNames,
                           const addressbook::RecipientList &targets);

} // namespace corvane::sending
