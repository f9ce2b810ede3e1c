#include "shell/ProfileLock.h"
#include "shell/ProgramFolders.h"
#include "shell/TerminationSignals.h"
#include "shell/widgets/ErrorBox.h"
#include "shell/widgets/MainWindow.h"
#include "shell/widgets/SingleInstance.h"
#include "shell/widgets/WindowDesk.h"

#include "platform/BackgroundCopies.h"
#include "platform/Errors.h"
#include "platform/Version.h"
#include "platform/Translations.h"
#include "receiving/widgets/NotifyIcon.h"
#include "ui/widgets/FocusMark.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <QSessionManager>
#include <QStandardPaths>

namespace {

// The program's options and its description for --help, in the language installed.
void describeCommandLine(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "Corvane, a mail client for a network without a mail server.\n\n"
                "The settings are main.ini in the profile folder. Without --profile that is the\n"
                "program's folder when it holds main.ini, or when it is a portable copy you may\n"
                "write; otherwise (an installed package) $XDG_CONFIG_HOME/corvane, by default\n"
                "~/.config/corvane. A profile folder you may not write gives way to\n"
                "~/.config/corvane, which starts with a copy of its main.ini."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(QCommandLineOption(
        QStringLiteral("profile"), QCoreApplication::translate("main", "Open the profile in DIR (its main.ini and stores)."),
        QStringLiteral("DIR")));
}

} // namespace

int main(int argc, char *argv[])
{
    using corvane::core::Notice;
    QCoreApplication::setApplicationName(QStringLiteral("Corvane"));
    QCoreApplication::setApplicationVersion(corvane::platform::programVersion());

    // --help and --version are answered before the GUI starts, so that they work on a terminal
    // without a display; the other arguments are read once the GUI has taken its own (-platform).
    // The texts are made after the language's catalogue is installed, so that --help speaks it.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QCommandLineParser early;
    describeCommandLine(early);
    early.parse(arguments);
    if (early.isSet(QStringLiteral("help")) || early.isSet(QStringLiteral("help-all"))
        || early.isSet(QStringLiteral("version"))) {
        QCoreApplication console(argc, argv);
        corvane::platform::installTranslations(console);
        QCommandLineParser parser;
        describeCommandLine(parser);
        parser.process(console); // prints the help or the version and exits
    }

    QApplication app(argc, argv);
    corvane::platform::installTranslations(app);
    QCommandLineParser parser;
    describeCommandLine(parser);
    parser.process(app);
    corvane::ui::FocusMark::install(app);
    const QString profileOption = QStringLiteral("profile");
    // No display name: Qt would append it to every window title, and the main window's title is
    // the caption alone. The desktop file names the program to the desktop instead.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.corvane.Corvane"));

    std::optional<corvane::shell::ProgramFolders> folders;
    try {
        folders = corvane::shell::programFolders(
            parser.isSet(profileOption) ? std::optional<QString>(parser.value(profileOption)) : std::nullopt);
    } catch (const corvane::Error &error) {
        corvane::shell::showNoticeBox(nullptr, Notice::error(Notice::Code::ProfileUnavailable, error.message()));
        return 1;
    }
    // One profile, one writer: a second window on the same profile brings the first to the front.
    // A profile folder this user may not write gives way to the user's own.
    const corvane::shell::ClaimedProfile claimed = corvane::shell::claimProfile(
        *folders, QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
        !parser.isSet(profileOption));
    corvane::shell::SingleInstance instance(claimed.folders.profile);
    if (!claimed.error.isEmpty()) {
        if (claimed.heldElsewhere && instance.activateRunning())
            return 0;
        corvane::shell::showNoticeBox(nullptr, Notice::error(Notice::Code::ProfileUnavailable, claimed.error));
        return 1;
    }
    instance.listen();
    if (!claimed.notice.isEmpty())
        QMessageBox::information(nullptr, QStringLiteral("Corvane"), claimed.notice);
    folders = claimed.folders;

    corvane::shell::MainWindow window(*folders);
    QObject::connect(&instance, &corvane::shell::SingleInstance::activationRequested, &window, [&window] {
        // From the tray, as a left click on the icon would.
        if (corvane::receiving::NotifyIcon *icon = window.desk()->notifyIcon(); icon->isActive()) {
            icon->restoreFromTray();
            return;
        }
        window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        window.show();
        window.raise();
        window.activateWindow();
    });
    // A kill or the end of the desktop session ends the window as its close box does: the read
    // marks and the message being written are saved, and the profile lock goes with main's end.
    corvane::shell::TerminationSignals termination;
    QObject::connect(&termination, &corvane::shell::TerminationSignals::received, &window,
                     &corvane::shell::MainWindow::endSession);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager &) { window.saveSessionState(); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &window, [&window] {
        if (window.isVisible()) // not closed, which saved them
            window.saveSessionState();
    });
    window.show();
    const int status = QApplication::exec();
    // Copies cut off by "Close Anyway" end at their next block and hand their end over through the
    // event loop: it runs on, with the window gone, until the last of them has finished.
    corvane::platform::BackgroundCopies &copies = window.mail().copies;
    if (copies.running() > 0) {
        QObject::connect(&copies, &corvane::platform::BackgroundCopies::finished, &app, &QCoreApplication::quit);
        QApplication::exec();
    }
    return status;
}
