#include "Privacy.h"

#include "Logging.h"
#include "Settings.h"
#include "Stores.h"

#include "platform/FileIo.h"
#include "platform/Paths.h"
#include "receiving/AttachmentFiles.h"

#include <QCoreApplication>
#include <QDir>

namespace corvane::shell {

QString ExposureWarnings::check(const QStringList &paths)
{
    QStringList exposed;
    for (const QString &path : paths) {
        if (path.isEmpty() || m_told.contains(path) || !platform::readableByOthers(path))
            continue;
        m_told.insert(path);
        qCWarning(lcShell, "%s can be read by other users", qUtf8Printable(QDir::toNativeSeparators(path)));
        exposed.append(QDir::toNativeSeparators(path));
    }
    if (exposed.isEmpty())
        return {};
    return QCoreApplication::translate("ExposureWarnings",
                                       "Other users of this computer can read %1. Take their rights away "
                                       "(chmod go-rwx) to keep your mail to yourself.")
        .arg(exposed.join(QStringLiteral(", ")));
}

QStringList ExposureWarnings::placesOf(const QString &profileFolder, const Settings *settings)
{
    QStringList places{profileFolder};
    if (settings) {
        places << inboxStorePath(*settings) << addressStorePath(*settings) << sentStorePath(*settings)
               << platform::joinPath(settings->inboxData, receiving::kAttachmentsFolderName);
    }
    return places;
}

} // namespace corvane::shell
