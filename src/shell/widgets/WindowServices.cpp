#include "WindowServices.h"

#include "ErrorBox.h"
#include "HelpWindow.h"

#include "ui/widgets/MessageBoxes.h"

#include <QApplication>
#include <QFileDialog>
#include <QPointer>
#include <QStandardPaths>
#include <QUrl>

namespace corvane::shell {

namespace {

class DesktopMessages final : public MessagePresenter
{
public:
    void showNotice(QWidget *parent, const core::Notice &notice) override
    {
        if (notice.beep)
            QApplication::beep();
        showNoticeBox(parent, notice);
    }
    void beep() override { QApplication::beep(); }
    bool confirm(QWidget *parent, const QString &question) override
    {
        return ui::askYesNo(parent, QApplication::applicationName(), question);
    }
};

class OwnHelp final : public HelpViewer
{
public:
    void open(QWidget *window, const QUrl &url) override
    {
        // One help window, reused; it belongs to the main window and goes with it.
        if (!m_window || m_window->parentWidget() != window)
            m_window = new HelpWindow(window);
        m_window->showAddress(url);
    }

private:
    QPointer<HelpWindow> m_window;
};

class DesktopDialogs final : public FileDialogs
{
public:
    std::optional<QString> chooseFolder(QWidget *parent, const QString &title,
                                        const QString &startFolder) override
    {
        const QString start = startFolder.isEmpty()
            ? QStandardPaths::writableLocation(QStandardPaths::DesktopLocation)
            : startFolder;
        const QString chosen = QFileDialog::getExistingDirectory(parent, title, start,
                                                                 QFileDialog::ShowDirsOnly);
        if (chosen.isEmpty())
            return std::nullopt;
        return chosen;
    }

    std::optional<QString> chooseFile(QWidget *parent, const QString &startPath,
                                      const QString &filter) override
    {
        const QString chosen = QFileDialog::getOpenFileName(parent, QString(), startPath, filter);
        if (chosen.isEmpty())
            return std::nullopt;
        return chosen;
    }

    std::optional<QString> chooseSaveFile(QWidget *parent, const QString &startPath) override
    {
        const QString chosen = QFileDialog::getSaveFileName(parent, QString(), startPath);
        if (chosen.isEmpty())
            return std::nullopt;
        return chosen;
    }
};

} // namespace

WindowServices WindowServices::withDesktopDefaults() const
{
    static DesktopMessages desktopMessages;
    static OwnHelp ownHelp;
    static DesktopDialogs desktopDialogs;
    WindowServices services = *this;
    if (!services.messages)
        services.messages = &desktopMessages;
    if (!services.help)
        services.help = &ownHelp;
    if (!services.dialogs)
        services.dialogs = &desktopDialogs;
    return services;
}

} // namespace corvane::shell
