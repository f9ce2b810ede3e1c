// Takes the README's screenshots of the tray menu and of a new-mail desktop notification. Run on a
// display with a notification server on the session bus, for example:
//   xvfb-run -a -s "-screen 0 800x600x24" dbus-run-session -- sh -c 'dunst & sleep 1; desk_screenshots docs'
#include "shell/widgets/MainWindow.h"
#include "shell/widgets/WindowDesk.h"

#include "shell/FakeServices.h"

#include "platform/IniFile.h"
#include "receiving/widgets/DesktopNotifier.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

using namespace corvane;

namespace {

bool save(const QPixmap &pixmap, const QString &path)
{
    const bool ok = pixmap.save(path);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: desk_screenshots OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir program;
    const QString folder = program.path() + QDir::separator();
    QDir(folder).mkpath(QStringLiteral("inbox"));
    platform::IniFile ini(folder + QStringLiteral("main.ini"));
    ini.writeString(shell::keys::destination, shell::keys::myDest, folder + QStringLiteral("inbox") + QDir::separator());
    ini.writeString(shell::keys::settings, shell::keys::name, QStringLiteral("Ann"));

    test::FakeServices fakes;
    shell::WindowServices services = fakes.services();
    receiving::DesktopNotifier notifier;
    services.notifications = &notifier;
    shell::MainWindow window(folder, services);
    window.show();
    QTest::qWait(500);

    QMenu *menu = window.desk()->trayMenu();
    menu->popup(QPoint(60, 60));
    menu->setActiveAction(menu->defaultAction());
    QTest::qWait(300);
    bool ok = save(menu->grab(), out.filePath(QStringLiteral("tray-menu.png")));
    menu->hide();

    test::FakeRunner runner;
    runner.body = [] {
        return shell::MailCheckResult{true,
                                      {{QStringLiteral("Bob"), QStringLiteral("Minutes of Monday's meeting")},
                                       {QStringLiteral("Carol"), QStringLiteral("Lunch on Friday?")}},
                                      {}};
    };
    window.setMailCheckRunner(&runner);
    window.startup().settings().mailSoundType = 0;
    window.showMinimized(); // into the tray: out of view
    QTest::qWait(200);
    window.checkMailAction()->trigger();
    QTest::qWait(1500);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0);
    ok = save(shot.copy(QRect(screen.width() - 340, 40, 340, 90)), out.filePath(QStringLiteral("notification.png"))) && ok;
    return ok ? 0 : 1;
}
