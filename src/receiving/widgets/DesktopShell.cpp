#include "receiving/widgets/DesktopShell.h"

#include "platform/Errors.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

namespace corvane::receiving {

void DesktopShell::openFile(const QString &path, const QString &workingFolder)
{
    // The desktop starts the associated program in its own folder; the file's path is absolute.
    Q_UNUSED(workingFolder);
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        throw Error(QStringLiteral("The desktop has no program to open \"%1\".").arg(QDir::toNativeSeparators(path)));
}

void DesktopShell::openFolder(const QString &folder)
{
    if (folder.isEmpty() || !QDir(folder).exists())
        throw IoError(
            QStringLiteral("Your inbox folder \"%1\" cannot be reached.").arg(QDir::toNativeSeparators(folder)));
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        throw Error(
            QStringLiteral("The desktop could not open the folder \"%1\".").arg(QDir::toNativeSeparators(folder)));
}

} // namespace corvane::receiving
