#pragma once

#include <QString>

namespace corvane::platform {

// Folder paths in settings and address entries end in the native separator when the program wrote
// them; hand-edited ones may not.
QChar nativeSeparator();
bool endsWithSeparator(const QString &path);
// Appends the native separator unless the text is empty or already ends in a separator.
QString withTrailingSeparator(const QString &folder);
// The path of a file in a folder: the one way every path is formed from a folder and a name. The
// native separator is added when the folder lacks one, so that a name never glues to the folder's
// own name and lands in its parent. An empty folder is left empty (the name alone).
QString joinPath(const QString &folder, const QString &fileName);
// Native form of a path (separators turned to the platform's).
QString toNative(const QString &path);

// The folder of the running program file, ending in the separator.
QString programFolder();

bool folderExists(const QString &path);
bool fileExists(const QString &path);

} // namespace corvane::platform
