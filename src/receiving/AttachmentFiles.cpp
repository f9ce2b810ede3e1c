#include "AttachmentFiles.h"

#include "core/MessageFileNames.h"
#include "platform/Errors.h"
#include "platform/FileNames.h"
#include "platform/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace corvane::receiving {

QString messageAttachmentFolder(const QString &inboxDataFolder, const QString &guid)
{
    const QString data = platform::withTrailingSeparator(inboxDataFolder);
    if (data.isEmpty() || !platform::isValidFileName(guid))
        return {};
    return platform::withTrailingSeparator(
        platform::joinPath(platform::joinPath(data, kAttachmentsFolderName), guid));
}

QString attachmentFile(const AttachmentPlaces &places, const QString &guid, const QString &name)
{
    if (!platform::isValidFileName(name) || core::isMailFolderFileName(name))
        return {};
    const QString own = messageAttachmentFolder(places.inboxData, guid);
    if (!own.isEmpty()) {
        const QString kept = platform::joinPath(own, name);
        if (QFileInfo(kept).isFile())
            return kept;
    }
    // Typed without its trailing separator, the folder still names itself, never a neighbour.
    const QString inbox = platform::withTrailingSeparator(places.inboxFolder);
    if (inbox.isEmpty())
        return {};
    return platform::joinPath(inbox, name);
}

QString attachmentToOpen(const AttachmentPlaces &places, const QString &guid, const QString &name)
{
    if (!platform::isValidFileName(name) || core::isMailFolderFileName(name))
        throw Error(QCoreApplication::translate("AttachmentFiles", "The attachment \"%1\" is not opened: its name cannot be a file name.").arg(name));
    const QString path = attachmentFile(places, guid, name);
    if (path.isEmpty() || !QFileInfo(path).isFile())
        throw IoError(QCoreApplication::translate("AttachmentFiles", "The attachment \"%1\" is not in your inbox folder (%2): it may "
                                                                "not have been fetched yet, or it was moved or deleted.")
                          .arg(name, QDir::toNativeSeparators(places.inboxFolder)));
    return path;
}

} // namespace corvane::receiving
