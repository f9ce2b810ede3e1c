#pragma once

#include "DeliveryRecord.h"

#include "addressbook/RecipientList.h"
#include "core/Message.h"

#include <QCoreApplication>
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace corvane::sending {

// Publishes a message file in the folder under the lowest free name `name` + n + ".cvm", without
// ever replacing a file: the bytes go to a temporary file (a name no check matches), which is
// then moved to a free number under the folder's lock folder, which every writer takes. The move
// is a rename that refuses to replace where the file system has one; elsewhere (SMB through
// FUSE), or with TestThenRename, the name is tested just before a plain rename. A folder without
// its trailing separator is taken as the folder. Returns the path written; throws IoError, and
// Error for a name that cannot name message files.
enum class Claiming { NoReplaceRename, TestThenRename };
QString publishNumbered(const QString &folder, const QString &name, const QByteArray &bytes,
                        Claiming claiming = Claiming::NoReplaceRename);

struct DeliveryReport
{
    QStringList written;      // paths, in the order written
    QList<DeliveredFile> files; // the same files with their recipient and kind of folder
    QStringList failedTargets; // the Name of every record whose files could not all be written
    QStringList failureReasons; // why, one per failed record
    // Why an attached file did not arrive whole in a folder, or its Attach.ini count was not
    // recorded there: one text per file and folder, naming both.
    QStringList attachmentFailures;

    // The message and every attached file arrived everywhere.
    bool complete() const { return failedTargets.isEmpty() && attachmentFailures.isEmpty(); }
};

// The attached files of a send: the message the document was made from and the full path of each
// of its attachments, in order.
struct Attached
{
    core::MessageFile message;
    QStringList paths;
};

// What a send says of a recipient whose folder could not be written, in the user's language.
inline QString errorSendingToText(const QString &name)
{
    return QCoreApplication::translate("Delivery", "An error occurred sending to %1").arg(name);
}

// Delivers the document: into a personal inbox under the record's name, into a server folder
// once for every name of the recipient list (in order). A failed file ends that record's files;
// the next record goes on. Before a folder's message files, the attached files are copied into it,
// each under its first free name ("notes.txt", "notes (2).txt", ...), never replacing a file,
// and counted in its Attach.ini; the message files written there name each file as it is named in
// that folder. Copies cut off (BackgroundCopies::runCancellable) are reported as failed.
DeliveryReport SendExecute(const QByteArray &document, const QStringList &recipientNames,
                           const addressbook::RecipientList &targets, const Attached &attached = {});

} // namespace corvane::sending
