#include "shell/widgets/MainWindow.h"
#include "shell/widgets/WindowDesk.h"

#include "receiving/widgets/NotifyIcon.h"
#include "ui/widgets/StatusBarEx.h"

#include "WindowProgram.h"

#include <QAction>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

using namespace corvane::shell;
using corvane::receiving::ArrivedMessage;
using corvane::test::FakeRunner;

namespace {

// A ready window whose checks bring one message, with a sound file beside the program.
struct DeskProgram : corvane::test::WindowProgram
{
    FakeRunner runner;

    DeskProgram()
    {
        makeReady();
        open();
        QFile sound(app.file(QStringLiteral("mail.wav")));
        EXPECT_TRUE(sound.open(QIODevice::WriteOnly));
        runner.body = [] { return MailCheckResult{true, {ArrivedMessage{QStringLiteral("Bob"), QStringLiteral("Hi")}}, {}}; };
        window->setMailCheckRunner(&runner);
        settings().desktopNotification = false;
    }
    Settings &settings() { return window->startup().settings(); }
    void check() { window->checkMailAction()->trigger(); }
    // Minimises the window with the tray there; the window goes once the state change is through.
    void minimise()
    {
        window->showMinimized();
        QTest::qWait(10);
    }
    QAction *trayItem(const char *name) const { return window->desk()->trayMenu()->findChild<QAction *>(QLatin1String(name)); }
    corvane::receiving::NotifyIcon *icon() const { return window->desk()->notifyIcon(); }
};

struct AnnouncementCase
{
    int soundType;
    bool popup;
    QStringList events; // "sound" stands for the sound file
};

class Announcement : public ::testing::TestWithParam<AnnouncementCase>
{
};

TEST_P(Announcement, FollowsTheSettingsInOrderAndEndsOnTheInBox)
{
    DeskProgram p;
    p.click(Pane::Settings);
    p.settings().mailSoundType = GetParam().soundType;
    p.settings().mailPopup = GetParam().popup;
    p.settings().mailSound = p.app.file(QStringLiteral("mail.wav"));
    p.settings().desktopNotification = true; // the window is in view: no notification
    p.fakes.events.clear();
    p.check();
    QStringList expected = GetParam().events;
    expected.replaceInStrings(QStringLiteral("sound"), QStringLiteral("sound:") + p.settings().mailSound);
    EXPECT_EQ(p.fakes.events, expected);
    EXPECT_EQ(p.front(), QStringLiteral("InBoxPan"));
}

INSTANTIATE_TEST_SUITE_P(
    NewMail, Announcement,
    ::testing::Values(AnnouncementCase{0, false, {}},
                      AnnouncementCase{1, true, {QStringLiteral("box:New mail"), QStringLiteral("beep")}},
                      AnnouncementCase{2, true, {QStringLiteral("sound"), QStringLiteral("box:New mail")}}));

TEST(WindowDesk, ASoundThatCannotBePlayedIsToldOnceAndTheAnnouncementGoesOn)
{
    DeskProgram p;
    p.settings().mailSoundType = 2;
    p.settings().mailPopup = true;
    p.settings().mailSound = p.app.file(QStringLiteral("gone.wav"));
    p.click(Pane::Settings);
    p.check();
    EXPECT_EQ(p.fakes.events, QStringList{QStringLiteral("box:New mail")});
    EXPECT_EQ(p.front(), QStringLiteral("InBoxPan"));
    const QString missing = p.settings().mailSound;
    EXPECT_TRUE(QTest::qWaitFor([&] { return !p.window->statusBarEx()->panelText(0).isEmpty(); }, 1000));
    EXPECT_EQ(p.window->statusBarEx()->panelText(0),
              QStringLiteral("The mail sound \"%1\" could not be played: the file does not exist").arg(missing));

    // Told once for that file: the next check's end leaves the status bar clear.
    p.check();
    QTest::qWait(20);
    EXPECT_TRUE(p.window->statusBarEx()->panelText(0).isEmpty());

    // A sound that is there but cannot be played is told with the player's reason.
    p.settings().mailSound = p.app.file(QStringLiteral("mail.wav"));
    p.fakes.sound.failWith = QStringLiteral("unsupported format");
    p.fakes.events.clear();
    p.check();
    EXPECT_EQ(p.fakes.events, (QStringList{QStringLiteral("sound:") + p.settings().mailSound, QStringLiteral("box:New mail")}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return p.window->statusBarEx()->panelText(0).endsWith(QStringLiteral(": unsupported format")); }, 1000));
}

TEST(WindowDesk, MinimisingHidesToTheTrayAndALeftClickRestoresAndRemovesTheIcon)
{
    DeskProgram p;
    p.minimise();
    EXPECT_FALSE(p.window->isVisible());
    EXPECT_TRUE(p.fakes.tray.visible);
    p.fakes.tray.click();
    EXPECT_TRUE(p.window->isVisible());
    EXPECT_FALSE(p.window->isMinimized());
    EXPECT_FALSE(p.fakes.tray.visible);
}

TEST(WindowDesk, WithoutATrayMinimisingLeavesTheWindowMinimised)
{
    DeskProgram p;
    p.fakes.tray.available = false;
    p.minimise();
    EXPECT_TRUE(p.window->isVisible());
    EXPECT_TRUE(p.window->isMinimized());
    EXPECT_FALSE(p.fakes.tray.visible);
}

TEST(WindowDesk, NewMailBringsTheInBoxToTheFrontInsideTheHiddenWindowAndNotifiesTheDesktop)
{
    DeskProgram p;
    p.settings().mailSoundType = 0;
    p.settings().desktopNotification = true;
    p.click(Pane::Settings);
    p.minimise();
    p.fakes.events.clear();
    p.check();
    EXPECT_FALSE(p.window->isVisible());
    EXPECT_TRUE(p.fakes.tray.visible);
    EXPECT_EQ(p.front(), QStringLiteral("InBoxPan"));
    EXPECT_EQ(p.fakes.events, QStringList{QStringLiteral("notify:New mail")});
    EXPECT_EQ(p.fakes.notifications.bodies, QStringList{QStringLiteral("Bob: Hi")});

    // The notification's default action brings the window back on its Inbox.
    p.click(Pane::Settings);
    p.fakes.notifications.lastAction();
    EXPECT_TRUE(p.window->isVisible());
    EXPECT_EQ(p.front(), QStringLiteral("InBoxPan"));
    EXPECT_FALSE(p.fakes.tray.visible);
}

TEST(WindowDesk, TrayMenuOffersRestoreCheckMailAndCloseWithCheckMailGreyedWhileACheckRuns)
{
    DeskProgram p;
    QMenu *menu = p.fakes.tray.menu;
    ASSERT_EQ(menu, p.window->desk()->trayMenu());
    QStringList captions;
    for (const QAction *action : menu->actions())
        captions.append(action->text());
    EXPECT_EQ(captions, (QStringList{QStringLiteral("Restore"), QStringLiteral("Check Mail"), QStringLiteral("Close")}));
    EXPECT_EQ(menu->defaultAction(), p.trayItem("CheckMail1"));

    bool enabledDuringCheck = true;
    p.runner.body = [&] {
        enabledDuringCheck = p.trayItem("Restore1")->isEnabled();
        return MailCheckResult{};
    };
    p.trayItem("Restore1")->trigger();
    EXPECT_EQ(p.runner.runs, 1);
    EXPECT_FALSE(enabledDuringCheck);
    EXPECT_TRUE(p.trayItem("Restore1")->isEnabled());

    // "Restore" brings the window back and leaves the icon in the tray.
    p.minimise();
    p.trayItem("CheckMail1")->trigger();
    EXPECT_TRUE(p.window->isVisible());
    EXPECT_TRUE(p.fakes.tray.visible);

    p.trayItem("Close1")->trigger();
    EXPECT_FALSE(p.window->isVisible());
}

} // namespace
