#include "AttachmentFiles.h"

#include "Logging.h"

#include "core/Message.h"
#include "core/MessageFileNames.h"
#include "platform/Errors.h"
#include "platform/FileIo.h"
#include "platform/FileNames.h"
#include "platform/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace corvane::receiving {

namespace {

const QString kKeptSinceFileName = QStringLiteral("kept-since");

} // namespace

QString messageAttachmentFolder(const QString &inboxDataFolder, const QString &folderName)
{
    const QString data = platform::withTrailingSeparator(inboxDataFolder);
    if (data.isEmpty() || !platform::isValidFileName(folderName))
        return {};
    return platform::withTrailingSeparator(
        platform::joinPath(platform::joinPath(data, kAttachmentsFolderName), folderName));
}

KeptFiles keptFilesOf(const core::Message &message)
{
    return {message.attachmentFolder, message.guid.value_or(QString())};
}

QString keptSinceFile(const QString &inboxDataFolder)
{
    const QString data = platform::withTrailingSeparator(inboxDataFolder);
    if (data.isEmpty())
        return {};
    return platform::joinPath(platform::joinPath(data, kAttachmentsFolderName), kKeptSinceFileName);
}

std::optional<QDateTime> keptSince(const QString &inboxDataFolder)
{
    const QString path = keptSinceFile(inboxDataFolder);
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return std::nullopt;
    try {
        const QDateTime time = QDateTime::fromString(QString::fromUtf8(platform::readWholeFile(path, 1024)).trimmed(),
                                                     Qt::ISODateWithMs);
        if (time.isValid())
            return time;
    } catch (const Error &) {
        // read as not recorded
    }
    return std::nullopt;
}

QDateTime noteKeptSince(const QString &inboxDataFolder)
{
    if (const std::optional<QDateTime> recorded = keptSince(inboxDataFolder))
        return *recorded;
    // A millisecond on, so that a file written before this moment counts as older.
    const QDateTime now = QDateTime::fromMSecsSinceEpoch(QDateTime::currentMSecsSinceEpoch() + 1, Qt::UTC);
    const QString path = keptSinceFile(inboxDataFolder);
    if (path.isEmpty())
        return now;
    try {
        if (!platform::makeFolder(QFileInfo(path).path(), platform::Access::Private))
            throw IoError(QStringLiteral("the folder %1 cannot be made").arg(QDir::toNativeSeparators(QFileInfo(path).path())));
        platform::writeFileAtomically(path, now.toString(Qt::ISODateWithMs).toUtf8(), platform::Access::Private);
    } catch (const Error &error) {
        qCWarning(lcReceiving, "could not record when attachments began to be kept per message: %s",
                  qUtf8Printable(error.message()));
    }
    return now;
}

bool changedBefore(const QString &path, const std::optional<QDateTime> &since)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return false;
    if (!since)
        return true;
    // The status change time moves with every write, rename and change of rights, and unlike the
    // modification time no user can set it back.
    const QDateTime changed = std::max(info.lastModified().toUTC(), info.metadataChangeTime().toUTC());
    return changed < *since;
}

bool InboxFolderClaims::claims(const QString &path, const QString &name) const
{
    return names.contains(name, Qt::CaseInsensitive) && changedBefore(path, keptSince);
}

QString attachmentFile(const AttachmentPlaces &places, const KeptFiles &kept, const QString &name)
{
    if (!platform::isValidFileName(name) || core::isMailFolderFileName(name))
        return {};
    if (kept.folder) {
        const QString own = messageAttachmentFolder(places.inboxData, *kept.folder);
        return own.isEmpty() ? QString() : platform::joinPath(own, name);
    }
    // Stored without a folder of its own: by an older copy, which kept it under the GUID at most.
    const QString own = messageAttachmentFolder(places.inboxData, kept.guid);
    const QString ownCopy = own.isEmpty() ? QString() : platform::joinPath(own, name);
    if (!ownCopy.isEmpty() && QFileInfo(ownCopy).isFile())
        return ownCopy;
    // Typed without its trailing separator, the folder still names itself, never a neighbour.
    const QString inbox = platform::withTrailingSeparator(places.inboxFolder);
    if (inbox.isEmpty())
        return {};
    const QString inInbox = platform::joinPath(inbox, name);
    if (!QFileInfo::exists(inInbox) || changedBefore(inInbox, keptSince(places.inboxData)))
        return inInbox;
    // Written since: another's file, never this message's. It shows missing where its own would be.
    return ownCopy;
}

QString attachmentToOpen(const AttachmentPlaces &places, const KeptFiles &kept, const QString &name)
{
    if (!platform::isValidFileName(name) || core::isMailFolderFileName(name))
        throw Error(QCoreApplication::translate("AttachmentFiles", "The attachment \"%1\" is not opened: its name cannot be a file name.").arg(name));
    const QString path = attachmentFile(places, kept, name);
    if (path.isEmpty() || !QFileInfo(path).isFile())
        throw IoError(QCoreApplication::translate("AttachmentFiles", "The attachment \"%1\" is not in your inbox folder (%2): it may "
                                                                "not have been fetched yet, or it was moved or deleted.")
                          .arg(name, QDir::toNativeSeparators(places.inboxFolder)));
    return path;
}

} // namespace corvane::receiving
