#pragma once

#include <QString>

namespace corvane::platform {

// Folder paths in settings and address entries always end in the native separator and are joined
// to file names by plain concatenation.
QChar nativeSeparator();
bool endsWithSeparator(const QString &path);
// Appends the native separator unless the text is empty or already ends in a separator.
QString withTrailingSeparator(const QString &folder);
// Plain concatenation: no separator is added, so a folder without one glues to the name.
inline QString joinPath(const QString &folder, const QString &fileName) { return folder + fileName; }
// Native form of a path (separators turned to the platform's).
QString toNative(const QString &path);

// The folder of the running program file, ending in the separator.
QString programFolder();

bool folderExists(const QString &path);
bool fileExists(const QString &path);

} // namespace corvane::platform
