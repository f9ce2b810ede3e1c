#include "Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace corvane::platform {

QChar nativeSeparator()
{
    return QDir::separator();
}

bool endsWithSeparator(const QString &path)
{
    return path.endsWith(u'/') || path.endsWith(nativeSeparator());
}

QString withTrailingSeparator(const QString &folder)
{
    if (folder.isEmpty() || endsWithSeparator(folder))
        return folder;
    return folder + nativeSeparator();
}

QString joinPath(const QString &folder, const QString &fileName)
{
    return withTrailingSeparator(folder) + fileName;
}

QString toNative(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString programFolder()
{
    return withTrailingSeparator(toNative(QCoreApplication::applicationDirPath()));
}

bool folderExists(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() && info.isDir();
}

bool fileExists(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

} // namespace corvane::platform
