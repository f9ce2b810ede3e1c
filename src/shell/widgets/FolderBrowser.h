#pragma once

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

    const QString &rememberedFolder() const { return m_rememberedFolder; }

    static QString title() { return QStringLiteral("Select Directory"); }

private:
    FileDialogs &m_dialogs;
    QString m_rememberedFolder;
};

} // namespace corvane::shell
