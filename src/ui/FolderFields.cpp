#include "FolderFields.h"

#include "platform/Paths.h"

namespace corvane::ui {

QString folderFieldOnExit(const QString &text)
{
    return platform::withTrailingSeparator(text);
}

QString pickedFolderText(const QString &chosenFolder)
{
    return platform::withTrailingSeparator(platform::toNative(chosenFolder));
}

} // namespace corvane::ui
