#pragma once

#include "shell/Settings.h"
#include "shell/widgets/MainWindow.h"
#include "shell/widgets/PaneStack.h"

#include "FakeServices.h"

#include "platform/IniFile.h"
#include "support/TempFolder.h"
#include "ui/widgets/OutlookBar.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

namespace corvane::test {

// A program folder with its settings file, fake desktop services and the window built on them.
struct WindowProgram
{
    TempFolder app;
    FakeServices fakes;
    std::unique_ptr<shell::MainWindow> window;
    // The window's desktop notifications, when not the fake's.
    receiving::DesktopNotifications *notifications = nullptr;

    platform::IniFile ini() const { return platform::IniFile(app.file(QStringLiteral("main.ini"))); }
    // Settings that pass the start-up test: a name and an existing own inbox.
    void makeReady(int startPage = -1)
    {
        platform::IniFile file = ini();
        file.writeString(shell::keys::destination, shell::keys::myDest, app.subfolder(QStringLiteral("inbox")));
        file.writeString(shell::keys::settings, shell::keys::name, QStringLiteral("Ann"));
        if (startPage >= 0)
            file.writeInteger(shell::keys::settings, shell::keys::startupLocation, startPage);
    }
    shell::MainWindow &open()
    {
        shell::WindowServices services = fakes.services();
        if (notifications)
            services.notifications = notifications;
        window = std::make_unique<shell::MainWindow>(app.path(), services);
        window->show();
        // The start-up runs from a one-shot timer that removes itself when done.
        const bool started = QTest::qWaitFor(
            [&] { return !window->findChild<QTimer *>(QStringLiteral("OutlookBarPreser")); }, 2000);
        Q_UNUSED(started); // a test that needs the start-up done checks its results
        return *window;
    }
    template <typename T> T *find(const char *name) const { return window->findChild<T *>(QLatin1String(name)); }
    QString front() const { return window->panes()->currentWidget()->objectName(); }
    int highlighted() const { return window->navigationBar()->currentItem(); }
    void click(shell::Pane pane) const
    {
        window->navigationBar()->itemButton(0, static_cast<int>(pane))->click();
    }
    static void leave(QLineEdit *field)
    {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(field, &out);
    }
    void save() { find<QPushButton>("SettingSaveB")->click(); }
    // Check Mail, waited for until the check has finished.
    bool checkMail() const
    {
        window->checkMailAction()->trigger();
        return QTest::qWaitFor([&] { return !window->mail().check.isRunning(); }, 10000);
    }
};

} // namespace corvane::test
