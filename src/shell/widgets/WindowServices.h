#pragma once

#include "addressbook/MailSettings.h"
#include "core/Notice.h"

#include <QString>

#include <optional>

class QUrl;
class QWidget;

namespace corvane::receiving {
class DesktopNotifications;
class SoundPlayer;
class TrayBackend;
} // namespace corvane::receiving

namespace corvane::shell {

// What the main window asks of the desktop. Each service is a small interface so that tests can
// run the window without modal boxes, a browser or file dialogs.

// What the user must read, and the system beep.
class MessagePresenter
{
public:
    virtual ~MessagePresenter() = default;
    // A message the logic worded: an error, warning or plain box with OK, after a beep if asked.
    virtual void showNotice(QWidget *parent, const core::Notice &notice) = 0;
    virtual void beep() = 0;
    // A confirmation with the buttons Yes and No; true on Yes.
    virtual bool confirm(QWidget *parent, const QString &question) = 0;
};

// Shows the help at an address (the document, with the topic's anchor) for a window: by default
// in the program's own help window, one for each main window, so no browser is needed.
class HelpViewer
{
public:
    virtual ~HelpViewer() = default;
    virtual void open(QWidget *window, const QUrl &url) = 0;
};

// The folder picker and the file-open dialog. Both return nothing when the user cancels.
class FileDialogs
{
public:
    virtual ~FileDialogs() = default;
    virtual std::optional<QString> chooseFolder(QWidget *parent, const QString &title,
                                                const QString &startFolder) = 0;
    // filter in the dialog's own form ("Sound (*.wav);;All Files (*)").
    virtual std::optional<QString> chooseFile(QWidget *parent, const QString &startPath,
                                              const QString &filter) = 0;
    // The file to write, with the user's leave to replace one that is there.
    virtual std::optional<QString> chooseSaveFile(QWidget *parent, const QString &startPath) = 0;
};

// The services a window uses; a null member takes the desktop's implementation.
struct WindowServices
{
    MessagePresenter *messages = nullptr;
    HelpViewer *help = nullptr;
    FileDialogs *dialogs = nullptr;
    // The new-mail sound, the desktop notifications and the tray: when null the window makes its
    // own (Qt Multimedia, the session bus, QSystemTrayIcon).
    receiving::SoundPlayer *sound = nullptr;
    receiving::DesktopNotifications *notifications = nullptr;
    receiving::TrayBackend *tray = nullptr;

    // The same services with every null member replaced by the desktop's implementation.
    WindowServices withDesktopDefaults() const;
};

} // namespace corvane::shell
