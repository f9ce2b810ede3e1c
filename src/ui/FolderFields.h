#pragma once

#include <QString>

namespace corvane::ui {

// Folder fields end in the separator once the user leaves them, so that file names can be glued on.
// An empty field stays empty: turning it into a lone separator would name the root folder, which
// exists, and so let the program run on a folder the user never chose.
QString folderFieldOnExit(const QString &text);
// The field text for a folder chosen in the folder picker: its path with one trailing separator.
QString pickedFolderText(const QString &chosenFolder);

} // namespace corvane::ui
