#include "FolderBrowser.h"

#include "WindowServices.h"

#include "ui/FolderFields.h"

#include "platform/Paths.h"

namespace corvane::shell {

std::optional<QString> FolderBrowser::browse(QWidget *parent, const QString &fieldText)
{
    m_rememberedFolder = fieldText;
    const QString start = platform::folderExists(m_rememberedFolder) ? m_rememberedFolder : QString();
    const std::optional<QString> chosen = m_dialogs.chooseFolder(parent, title(), start);
    if (!chosen)
        return std::nullopt;
    return ui::pickedFolderText(*chosen);
}

std::optional<QString> FolderBrowser::browseFromRemembered(QWidget *parent)
{
    if (!platform::folderExists(m_rememberedFolder))
        m_rememberedFolder.clear();
    const std::optional<QString> chosen = m_dialogs.chooseFolder(parent, title(), m_rememberedFolder);
    if (!chosen)
        return std::nullopt;
    m_rememberedFolder = platform::toNative(*chosen);
    return ui::pickedFolderText(*chosen);
}

} // namespace corvane::shell
