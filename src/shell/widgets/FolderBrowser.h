#pragma once

#include <QCoreApplication>
#include <QString>

#include <optional>

class QWidget;

namespace corvane::shell {

class FileDialogs;

// The "Select Directory" picker behind every Browse button of a folder field. All of them share one
// remembered starting folder: the text of the field last browsed from.
class FolderBrowser
{
public:
    explicit FolderBrowser(FileDialogs &dialogs) : m_dialogs(dialogs) {}

    // Opens the picker on the field's folder when that exists. Returns the field's new text (the
    // chosen folder with a trailing separator), or nothing when the user cancels.
    std::optional<QString> browse(QWidget *parent, const QString &fieldText);

    // The Address Edit pane's Browse: opens the picker on the remembered folder (from scratch when
    // that folder is gone, which it then forgets) and remembers the folder chosen. Returns the
    // field's new text, or nothing when the user cancels.
    std::optional<QString> browseFromRemembered(QWidget *parent);

    const QString &rememberedFolder() const { return m_rememberedFolder; }

    static QString title() { return QCoreApplication::translate("FolderBrowser", "Select Directory"); }

private:
    FileDialogs &m_dialogs;
    QString m_rememberedFolder;
};

} // namespace corvane::shell
