// Takes the README's screenshots: the first start in an empty program folder, and the Settings pane
// after the user filled in name and inbox folder and pressed Save. Run under a display (Xvfb):
//   xvfb-run -a shell_screenshots <output folder>
#include "shell/widgets/MainWindow.h"

#include "FakeServices.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

void settle(QWidget &window)
{
    for (int i = 0; i < 400 && window.findChild<QTimer *>(QStringLiteral("OutlookBarPreser")); ++i)
        QTest::qWait(5);
    QTest::qWait(200);
}

bool save(QWidget &window, const QString &path)
{
    const bool ok = window.grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    if (argc < 2) {
        std::fprintf(stderr, "usage: shell_screenshots <output folder>\n");
        return 2;
    }
    const QString output = QDir(QString::fromLocal8Bit(argv[1])).absolutePath() + u'/';

    // A fixed, readable place for the program and the shared drive, emptied before and after.
    QDir root(QDir::tempPath() + QStringLiteral("/corvane-demo"));
    root.removeRecursively();
    root.mkpath(QStringLiteral("Corvane"));
    root.mkpath(QStringLiteral("shared/Ann"));
    const QString programFolder = QDir::toNativeSeparators(root.path() + QStringLiteral("/Corvane/"));
    const QString inbox = QDir::toNativeSeparators(root.path() + QStringLiteral("/shared/Ann/"));

    corvane::test::FakeServices fakes;
    corvane::shell::MainWindow window(programFolder, fakes.services());
    window.show();
    settle(window);
    bool ok = save(window, output + QStringLiteral("first-start.png"));

    window.findChild<QLineEdit *>(QStringLiteral("YourNameE"))->setText(QStringLiteral("Ann"));
    window.findChild<QLineEdit *>(QStringLiteral("YourInBoxE"))->setText(inbox);
    window.findChild<QPushButton *>(QStringLiteral("SettingSaveB"))->click();
    settle(window);
    // The mouse resting on the inbox field widens it to show the whole path.
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(window.findChild<QLineEdit *>(QStringLiteral("YourInBoxE")), &enter);
    ok = save(window, output + QStringLiteral("settings-saved.png")) && ok;
    const bool ready = window.startup().storesLoaded();
    root.removeRecursively();
    return ok && ready ? 0 : 1;
}
