#include "shell/widgets/AddressPanes.h"
#include "shell/widgets/ComposeParts.h"
#include "shell/widgets/ListPanes.h"
#include "shell/widgets/MainWindow.h"
#include "shell/widgets/PaneStack.h"
#include "shell/widgets/ReaderPanes.h"
#include "shell/widgets/SettingsPane.h"

#include "shell/AutoCheckTimer.h"
#include "shell/MailCheckController.h"

#include "receiving/InboxStore.h"
#include "receiving/ReadAhead.h"
#include "receiving/widgets/InboxPane.h"
#include "sending/SendAction.h"
#include "sending/widgets/ComposePane.h"
#include "sortgrid/widgets/SortGrid.h"
#include "sending/widgets/SentItemsPane.h"
#include "addressbook/widgets/AddressBookCommands.h"
#include "addressbook/widgets/AddressEditPane.h"
#include "addressbook/widgets/AddressListPane.h"
#include "receiving/widgets/InboxPane.h"
#include "receiving/widgets/MailReaderPane.h"
#include "spell/SpellRun.h"

#include "platform/BackgroundCopies.h"
#include "platform/Errors.h"
#include "platform/IniFile.h"

#include "spell/widgets/SpellHighlighter.h"

#include "ui/widgets/CaptionPanel.h"
#include "ui/widgets/OutlookBar.h"
#include "ui/widgets/StatusBarEx.h"

#include "HeldSend.h"
#include "WindowProgram.h"
#include "support/EventWait.h"
#include "support/OpenedStore.h"
#include "support/TempFolder.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSemaphore>
#include <QSpinBox>
#include <QTabWidget>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <ostream>

using namespace corvane::shell;
using corvane::core::Notice;
using corvane::platform::IniFile;
using corvane::test::FakeRunner;
using corvane::test::FakeServices;
using corvane::test::TempFolder;
using corvane::core::Notice;

namespace {

using Program = corvane::test::WindowProgram;

TEST(MainWindow, FirstStartInAnEmptyFolderShowsSettingsBeepsAndCreatesNothing)
{
    Program p;
    MainWindow &window = p.open();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Corvane  Version 3.0.0.0"));
    EXPECT_EQ(p.front(), QStringLiteral("SettingsPan"));
    EXPECT_EQ(p.highlighted(), static_cast<int>(Pane::Settings));
    EXPECT_EQ(p.fakes.messages.beeps, 1);
    EXPECT_EQ(p.find<QLineEdit>("YourInBoxE")->text(), QStringLiteral("---pick a shared folder---"));
    EXPECT_FALSE(window.startup().storesLoaded());
    EXPECT_FALSE(QFile::exists(p.app.file(QStringLiteral("InBox.cvi"))));
}

TEST(MainWindow, ClickingInBoxWhileNotReadyKeepsSettingsInFrontAndTheHighlight)
{
    Program p;
    MainWindow &window = p.open();
    const int beeps = p.fakes.messages.beeps;
    window.navigationBar()->itemButton(0, static_cast<int>(Pane::InBox))->click();
    EXPECT_EQ(p.front(), QStringLiteral("SettingsPan"));
    EXPECT_EQ(p.highlighted(), static_cast<int>(Pane::Settings));
    EXPECT_EQ(p.fakes.messages.beeps, beeps + 1);
}

TEST(MainWindow, CorrectingTheInboxFieldWithoutSaveOpensTheBarButLoadsNoStores)
{
    Program p;
    MainWindow &window = p.open();
    p.find<QLineEdit>("YourInBoxE")->setText(p.app.subfolder(QStringLiteral("inbox")));
    window.navigationBar()->itemButton(0, static_cast<int>(Pane::InBox))->click();
    EXPECT_EQ(p.front(), QStringLiteral("InBoxPan"));
    EXPECT_EQ(p.highlighted(), static_cast<int>(Pane::InBox));
    EXPECT_FALSE(window.startup().storesLoaded());
}

TEST(MainWindow, SaveWritesEverySettingReRunsStartUpAndCreatesTheStores)
{
    Program p;
    MainWindow &window = p.open();
    const QString inbox = p.app.subfolder(QStringLiteral("inbox"));
    p.find<QLineEdit>("YourNameE")->setText(QStringLiteral("Ann"));
    p.find<QLineEdit>("YourInBoxE")->setText(inbox);
    p.find<QCheckBox>("SelfServerCB")->setChecked(true);
    p.find<QCheckBox>("AutoCheck")->setChecked(true);
    p.find<QSpinBox>("AutoCheckS")->setValue(5);
    p.find<QComboBox>("StartLocCx")->setCurrentIndex(1);
    p.find<QCheckBox>("PopupRecC")->setChecked(true);
    p.find<QRadioButton>("SoundNoneRB")->setChecked(true);
    p.find<QLineEdit>("MainDictLE")->setText(QStringLiteral("main.dic"));
    p.find<QSpinBox>("SugMaxSE")->setValue(12);
    p.find<QCheckBox>("AsYouTypeC")->setChecked(false);
    p.save();

    const Settings saved = readSettings(p.ini(), p.app.path());
    EXPECT_EQ(saved.name, QStringLiteral("Ann"));
    EXPECT_EQ(saved.myDest, inbox);
    EXPECT_TRUE(saved.selfServer);
    EXPECT_TRUE(saved.autoCheck);
    EXPECT_EQ(saved.autoCheckTime, 5);
    EXPECT_EQ(saved.startupLocation, 1);
    EXPECT_TRUE(saved.mailPopup);
    EXPECT_EQ(saved.mailSoundType, 0);
    EXPECT_EQ(saved.mainDictionary, QStringLiteral("main.dic"));
    EXPECT_EQ(saved.maxSuggestions, 12);
    EXPECT_FALSE(saved.asYouType);

    EXPECT_TRUE(window.startup().storesLoaded());
    for (const char *store : {"InBox.cvi", "address list.cva", "Sent Items.cva"})
        EXPECT_TRUE(QFile::exists(p.app.file(QLatin1String(store)))) << store;
    // Only the first run opens a start page; the timer follows the saved tick.
    EXPECT_EQ(p.front(), QStringLiteral("SettingsPan"));
    EXPECT_TRUE(window.autoCheckTimer()->isTicking());
    EXPECT_EQ(p.find<QComboBox>("StartLocCx")->count(), 7);
}

TEST(MainWindow, SaveWithAMissingFolderKeepsSettingsInFrontAndBeeps)
{
    Program p;
    p.open();
    const int beeps = p.fakes.messages.beeps;
    p.find<QLineEdit>("YourNameE")->setText(QStringLiteral("Ann"));
    p.find<QLineEdit>("YourInBoxE")->setText(p.app.path() + QStringLiteral("nowhere"));
    p.save();
    EXPECT_EQ(p.front(), QStringLiteral("SettingsPan"));
    EXPECT_EQ(p.fakes.messages.beeps, beeps + 1);
    EXPECT_FALSE(p.window->startup().storesLoaded());
}

TEST(MainWindow, AnUnwritableSettingsFileIsReportedAndStartUpDoesNotRun)
{
    Program p;
    p.open();
    // A folder where the settings file should be makes every write fail.
    QDir(p.app.path()).mkdir(QStringLiteral("main.ini"));
    p.find<QLineEdit>("YourNameE")->setText(QStringLiteral("Ann"));
    p.find<QLineEdit>("YourInBoxE")->setText(p.app.subfolder(QStringLiteral("inbox")));
    p.save();
    ASSERT_EQ(p.fakes.messages.codes(), QList{Notice::Code::SettingsNotSaved});
    EXPECT_TRUE(p.fakes.messages.errors.first().startsWith(QStringLiteral("Unable to write to")));
    EXPECT_FALSE(p.window->startup().storesLoaded());
}

TEST(MainWindow, SaveRefusesAnUnfilledNameOrInboxWithTheCursorInItAndASavedSaveSaysSoInTheStatusBar)
{
    Program p;
    MainWindow &window = p.open();
    const QString inbox = p.app.subfolder(QStringLiteral("inbox"));
    auto *tabs = p.find<QTabWidget>("SettingsTabs");
    const struct
    {
        const char *name;
        QString inbox;
        const char *field;
    } refused[] = {
        {"Unknown", inbox, "YourNameE"},
        {" ", inbox, "YourNameE"},
        {"Ann", QStringLiteral("---pick a shared folder---"), "YourInBoxE"},
        {"Ann", QString(QDir::separator()), "YourInBoxE"},
    };
    for (const auto &c : refused) {
        p.fakes.messages.notices.clear();
        p.find<QLineEdit>("YourNameE")->setText(QString::fromUtf8(c.name));
        p.find<QLineEdit>("YourInBoxE")->setText(c.inbox);
        tabs->setCurrentIndex(1);
        p.save();
        ASSERT_EQ(p.fakes.messages.codes(), QList{Notice::Code::SettingsRefused}) << c.name;
        const QString caption = p.window->findChild<QLabel *>(QLatin1String(c.field) + QStringLiteral("Label"))->text();
        EXPECT_TRUE(p.fakes.messages.notices.first().text.contains(caption)) << c.name;
        EXPECT_EQ(window.focusWidget(), p.find<QLineEdit>(c.field)) << c.name;
        EXPECT_EQ(tabs->currentIndex(), 0) << c.name;
    }
    EXPECT_FALSE(QFile::exists(p.app.file(QStringLiteral("main.ini"))));
    EXPECT_TRUE(window.statusBarEx()->panelText(0).isEmpty());

    p.find<QLineEdit>("YourNameE")->setText(QStringLiteral("Ann"));
    p.find<QLineEdit>("YourInBoxE")->setText(inbox);
    p.save();
    EXPECT_EQ(readSettings(p.ini(), p.app.path()).name, QStringLiteral("Ann"));
    EXPECT_EQ(window.statusBarEx()->panelText(0), QStringLiteral("Settings saved."));
}

struct StartPageCase
{
    int location;
    const char *pane;
};

void PrintTo(const StartPageCase &c, std::ostream *os)
{
    *os << c.location << ' ' << c.pane;
}

class StartPage : public ::testing::TestWithParam<StartPageCase>
{
};

TEST_P(StartPage, TheStoredStartPageIsInFrontAndHighlighted)
{
    Program p;
    p.makeReady();
    p.ini().writeInteger(keys::settings, keys::startupLocation, GetParam().location);
    p.open();
    EXPECT_EQ(p.front(), QLatin1String(GetParam().pane));
    EXPECT_EQ(p.highlighted(), GetParam().location);
}

INSTANTIATE_TEST_SUITE_P(Locations, StartPage,
                         ::testing::Values(StartPageCase{0, "NewPan"}, StartPageCase{1, "InBoxPan"},
                                           StartPageCase{3, "SentPan"},
                                           StartPageCase{4, "AddressPan"},
                                           StartPageCase{5, "AddressPan2"},
                                           StartPageCase{6, "SettingsPan"}));

TEST(MainWindow, AMailReaderStartPageWithNothingToReadSaysSoAndOpensTheInBox)
{
    Program p;
    p.makeReady(2);
    p.open();
    EXPECT_EQ(p.fakes.messages.codes(), QList{Notice::Code::NoMessageSelected});
    EXPECT_EQ(p.front(), QStringLiteral("InBoxPan"));
    EXPECT_EQ(p.highlighted(), 1);
}

TEST(MainWindow, AStartPageOutsideTheListOpensNothingAndHighlightsNothing)
{
    Program p;
    p.makeReady();
    p.ini().writeInteger(keys::settings, keys::startupLocation, 9);
    p.open();
    EXPECT_EQ(p.highlighted(), -1);
    EXPECT_EQ(p.find<QComboBox>("StartLocCx")->currentIndex(), -1);
    EXPECT_TRUE(p.window->startup().storesLoaded());
}

TEST(MainWindow, TheSaveButtonStaysCentredInTheSettingsPaneAfterAResize)
{
    Program p;
    MainWindow &window = p.open();
    for (int width : {600, 1000}) {
        window.resize(width, 509);
        QApplication::processEvents();
        EXPECT_EQ(window.width(), width);
        QWidget *pane = p.find<QWidget>("SettingsPan");
        QPushButton *save = p.find<QPushButton>("SettingSaveB");
        const int centre = save->mapTo(pane, QPoint(save->width() / 2, 0)).x();
        EXPECT_NEAR(centre, pane->width() / 2, 1) << width;
    }
}

TEST(MainWindow, LeavingAFolderFieldEndsItInASeparatorButLeavesItEmptyWhenCleared)
{
    Program p;
    p.open();
    for (const char *name : {"YourInBoxE", "AddresLocE", "InBoxLocE", "SentLocE"}) {
        QLineEdit *field = p.find<QLineEdit>(name);
        field->setText(QStringLiteral("data"));
        Program::leave(field);
        EXPECT_EQ(field->text(), QStringLiteral("data") + QDir::separator()) << name;
        field->clear();
        Program::leave(field);
        EXPECT_EQ(field->text(), QString()) << name;
    }
    EXPECT_EQ(p.window->startup().settings().sentData, QString());
}

TEST(MainWindow, TheMinutesBoxSetsTheTimerIntervalAtOnceButOnlySaveSwitchesItOn)
{
    Program p;
    MainWindow &window = p.open();
    auto *timer = p.find<QTimer>("CheckMailT");
    ASSERT_NE(timer, nullptr);
    EXPECT_FALSE(p.find<QSpinBox>("AutoCheckS")->isEnabled());
    p.find<QCheckBox>("AutoCheck")->setChecked(true);
    EXPECT_TRUE(p.find<QSpinBox>("AutoCheckS")->isEnabled());
    EXPECT_TRUE(p.find<QWidget>("autocheckL")->isEnabled());
    p.find<QSpinBox>("AutoCheckS")->setValue(2);
    EXPECT_EQ(timer->interval(), 120000);
    EXPECT_FALSE(window.autoCheckTimer()->isTicking());
}

TEST(MainWindow, SpellingAsYouTypeFollowsItsBoxWithoutSave)
{
    Program p;
    p.open();
    auto *highlighter =
        p.find<QTextEdit>("Richtextbox1")->document()->findChild<corvane::spell::SpellHighlighter *>();
    ASSERT_NE(highlighter, nullptr);
    ASSERT_TRUE(highlighter->isEnabled());
    auto *box = p.find<QCheckBox>("AsYouTypeC");
    box->setChecked(false);
    EXPECT_FALSE(highlighter->isEnabled());
    box->setChecked(true);
    EXPECT_TRUE(highlighter->isEnabled());
}

TEST(MainWindow, StoredAutoCheckRunsTheTimerWithTheStoredMinutes)
{
    Program p;
    p.makeReady();
    p.ini().writeBool(keys::settings, keys::autoCheck, true);
    p.ini().writeInteger(keys::settings, keys::autoCheckTime, 5);
    p.open();
    auto *timer = p.find<QTimer>("CheckMailT");
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 300000);
}

TEST(MainWindow, BrowseSetsTheFolderWithASeparatorAndCancelLeavesTheField)
{
    Program p;
    MainWindow &window = p.open();
    const QString start = p.app.subfolder(QStringLiteral("start"));
    QLineEdit *field = p.find<QLineEdit>("AddresLocE");
    field->setText(start);
    p.fakes.dialogs.folderAnswer = QDir::cleanPath(p.app.subfolder(QStringLiteral("picked")));
    p.find<QPushButton>("Button2")->click();
    EXPECT_EQ(p.fakes.dialogs.askedTitle, QStringLiteral("Select Directory"));
    EXPECT_EQ(p.fakes.dialogs.askedStart, start);
    EXPECT_EQ(window.folderBrowser().rememberedFolder(), start);
    EXPECT_EQ(field->text(), p.app.subfolder(QStringLiteral("picked")));

    p.fakes.dialogs.folderAnswer.reset();
    p.find<QPushButton>("Button1")->click(); // a missing folder starts the picker nowhere
    EXPECT_TRUE(p.fakes.dialogs.askedStart.isEmpty());
    EXPECT_EQ(p.find<QLineEdit>("YourInBoxE")->text(), QStringLiteral("---pick a shared folder---"));
}

TEST(MainWindow, TheFilePickersOfferTheirFiltersAndFillTheirFields)
{
    Program p;
    p.open();
    p.fakes.dialogs.fileAnswer = QStringLiteral("/sounds/ding.wav");
    p.find<QPushButton>("Button5")->click();
    EXPECT_TRUE(p.fakes.dialogs.askedFilter.startsWith(QStringLiteral("Sound (*.wav)")));
    EXPECT_EQ(p.find<QLineEdit>("MailSoundE")->text(), QDir::toNativeSeparators(QStringLiteral("/sounds/ding.wav")));
    p.fakes.dialogs.fileAnswer = QStringLiteral("/dict/mine.dic");
    p.find<QPushButton>("Button4")->click();
    EXPECT_TRUE(p.fakes.dialogs.askedFilter.startsWith(QStringLiteral("Dictionary wordlists (*.dic)")));
    EXPECT_EQ(p.find<QLineEdit>("CustomDictLE")->text(), QDir::toNativeSeparators(QStringLiteral("/dict/mine.dic")));
    EXPECT_EQ(p.window->startup().settings().customDictionary, p.find<QLineEdit>("CustomDictLE")->text());
}

TEST(MainWindow, CheckMailShowsItsStatusGreysTheCommandAndOpensTheInBoxOnNewMail)
{
    Program p;
    p.makeReady();
    MainWindow &window = p.open();
    FakeRunner runner;
    QString statusDuringCheck;
    bool enabledDuringCheck = true;
    runner.body = [&] {
        statusDuringCheck = window.statusBarEx()->panelText(0);
        enabledDuringCheck = window.checkMailAction()->isEnabled();
        return MailCheckResult{true};
    };
    window.setMailCheckRunner(&runner);
    p.find<QAbstractButton>("CheckB")->click();
    EXPECT_EQ(statusDuringCheck, QStringLiteral("Checking Messages"));
    EXPECT_FALSE(enabledDuringCheck);
    EXPECT_TRUE(window.checkMailAction()->isEnabled());
    EXPECT_TRUE(window.statusBarEx()->panelText(0).isEmpty());
    EXPECT_EQ(p.front(), QStringLiteral("InBoxPan"));
    EXPECT_EQ(p.highlighted(), static_cast<int>(Pane::InBox));
}

TEST(MainWindow, ACheckThatFailsShowsItsErrorAndTheTimerRunsTheSameCheck)
{
    Program p;
    MainWindow &window = p.open();
    FakeRunner runner;
    runner.body = []() -> MailCheckResult { throw corvane::XmlError(QStringLiteral("Ann1.cvm: bad")); };
    window.setMailCheckRunner(&runner);
    Q_EMIT window.autoCheckTimer()->tick();
    EXPECT_EQ(runner.runs, 1);
    ASSERT_EQ(p.fakes.messages.notices.size(), 1);
    EXPECT_EQ(p.fakes.messages.notices.first().code, corvane::core::Notice::Code::CheckFailed);
    EXPECT_EQ(p.fakes.messages.notices.first().text, QStringLiteral("Ann1.cvm: bad"));
    EXPECT_TRUE(window.checkMailAction()->isEnabled());
}

TEST(MainWindow, HelpOpensTheDocumentAndF1TheTopicOfThePaneInUse)
{
    Program p;
    MainWindow &window = p.open();
    p.find<QAbstractButton>("ToolButton8")->click();
    ASSERT_EQ(p.fakes.help.opened.size(), 1);
    EXPECT_TRUE(p.fakes.help.opened.first().toLocalFile().endsWith(QStringLiteral("help/corvane.html")));
    EXPECT_FALSE(p.fakes.help.opened.first().hasFragment());

    QApplication::setActiveWindow(&window);
    p.find<QLineEdit>("YourNameE")->setFocus();
    QTest::keyClick(p.find<QLineEdit>("YourNameE"), Qt::Key_F1);
    ASSERT_EQ(p.fakes.help.opened.size(), 2);
    EXPECT_EQ(p.fakes.help.opened.last().fragment(), QStringLiteral("context-1"));
}

TEST(MainWindow, TheProgressBarsStartHidden)
{
    Program p;
    p.open();
    for (const char *name : {"SendProgressBar1", "RecvProgressBar1"})
        EXPECT_FALSE(p.find<QProgressBar>(name)->isVisible()) << name;
}

TEST(MainWindow, AStoreThatCannotBeReadIsReportedAndTheWindowStillOpens)
{
    Program p;
    p.makeReady();
    p.app.write(QStringLiteral("InBox.cvi"), QByteArray("<Inbox><broken"));
    MainWindow window(p.app.path(), p.fakes.services());
    ASSERT_EQ(p.fakes.messages.codes(), QList{Notice::Code::StartupFailed});
    EXPECT_EQ(window.panes()->currentWidget()->objectName(), QStringLiteral("SettingsPan"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Corvane"));

    // A check would end by saving the inbox store over the file: it is refused and says why.
    const QString waiting = p.app.path() + QStringLiteral("inbox") + QDir::separator() + QStringLiteral("Ann1.cvm");
    corvane::test::writeFile(waiting, "<?xml version=\"1.0\"?><Corvane/>");
    window.checkMailAction()->trigger();
    ASSERT_FALSE(p.fakes.messages.notices.isEmpty());
    const corvane::core::Notice refused = p.fakes.messages.notices.last();
    EXPECT_EQ(refused.code, corvane::core::Notice::Code::CheckFailed);
    EXPECT_TRUE(refused.text.startsWith(QDir::toNativeSeparators(p.app.file(QStringLiteral("InBox.cvi")))))
        << refused.text.toStdString();
    EXPECT_EQ(p.app.read(QStringLiteral("InBox.cvi")), QByteArray("<Inbox><broken"));
    EXPECT_TRUE(QFile::exists(waiting));
}

TEST(MainWindow, SettingsThatCannotBeReadAreReportedAndNeverWritten)
{
    Program p;
    // A settings file whose every read fails with an I/O error, even for root.
    ASSERT_TRUE(QFile::link(QStringLiteral("/proc/self/mem"), p.app.file(QStringLiteral("main.ini"))));
    p.open();
    ASSERT_EQ(p.fakes.messages.codes(), QList{Notice::Code::SettingsUnreadable});
    EXPECT_TRUE(p.fakes.messages.errors.first().startsWith(QStringLiteral("Unable to read ")));
    EXPECT_EQ(p.front(), QStringLiteral("SettingsPan"));

    p.find<QLineEdit>("YourNameE")->setText(QStringLiteral("Ann"));
    p.find<QLineEdit>("YourInBoxE")->setText(p.app.subfolder(QStringLiteral("inbox")));
    p.save();
    ASSERT_EQ(p.fakes.messages.codes(), (QList{Notice::Code::SettingsUnreadable, Notice::Code::SettingsNotSaved}));
    EXPECT_TRUE(p.fakes.messages.errors.last().startsWith(QStringLiteral("Unable to write to")));
    EXPECT_FALSE(p.window->startup().storesLoaded());
    p.window.reset(); // closing writes the column widths, but not here
    EXPECT_TRUE(QFileInfo(p.app.file(QStringLiteral("main.ini"))).isSymLink());
}

TEST(MainWindow, EveryPartsFailureReachesTheUserAsTheNoticeItRaised)
{
    Program p;
    MainWindow &window = p.open();
    const Notice failure = Notice::error(Notice::Code::DeleteFailed, QStringLiteral("Unable to write to x"));
    const std::pair<const char *, std::function<void()>> parts[] = {
        {"settings", [&] { Q_EMIT window.settingsPane()->failed(failure); }},
        {"inbox", [&] { Q_EMIT window.listPanes()->inbox()->failed(failure); }},
        {"sent items", [&] { Q_EMIT window.listPanes()->sent()->failed(failure); }},
        {"address list", [&] { Q_EMIT window.listPanes()->address()->failed(failure); }},
        {"inbox grid", [&] { Q_EMIT window.listPanes()->inbox()->grid()->failed(failure); }},
        {"address commands", [&] { Q_EMIT window.addressPanes()->commands()->failed(failure); }},
        {"address edit", [&] { Q_EMIT window.addressPanes()->editPane()->failed(failure); }},
        {"mail reader", [&] { Q_EMIT window.readerPanes()->reader()->failed(failure); }},
        {"compose", [&] { Q_EMIT window.compose()->failed(failure); }},
        {"spell run", [&] { Q_EMIT window.compose()->findChild<corvane::spell::SpellRun *>()->failed(failure); }},
    };
    for (const auto &[part, fail] : parts) {
        p.fakes.messages.notices.clear();
        fail();
        EXPECT_EQ(p.fakes.messages.notices, QList{failure}) << part;
    }
}

TEST(MainWindow, ACopyFailureReachesTheStatusBarAndAMessageBoxAsANotice)
{
    Program p;
    MainWindow &window = p.open();
    window.mail().copies.reportFailure(
        {corvane::platform::CopyFailure::Step::SourceKept, QStringLiteral("a.txt"), p.app.path(), {}});
    QTest::qWait(1);
    ASSERT_EQ(p.fakes.messages.codes(), QList{Notice::Code::CopyFailed});
    EXPECT_TRUE(p.fakes.messages.errors.first().contains(QStringLiteral("a.txt")));
    EXPECT_EQ(window.statusBarEx()->panelText(0), p.fakes.messages.errors.first());
}

#ifdef Q_OS_UNIX
TEST(MainWindow, AProfileOthersCanReadIsNamedInTheStatusBarWithoutABox)
{
    Program p;
    p.makeReady();
    QFile::setPermissions(p.app.path(), QFile::permissions(p.app.path()) | QFile::ReadGroup | QFile::ReadOther);
    MainWindow &window = p.open();
    EXPECT_TRUE(window.statusBarEx()->panelText(0).contains(QDir::toNativeSeparators(p.app.path())))
        << window.statusBarEx()->panelText(0).toStdString();
    EXPECT_TRUE(p.fakes.messages.notices.isEmpty());
}
#endif

TEST(MainWindow, ClosingWaitsForCopiesShowingThemStartsNoCheckAndCanCloseAnyway)
{
    Program p;
    p.makeReady();
    p.ini().writeBool(keys::settings, keys::autoCheck, true);
    MainWindow &window = p.open();
    FakeRunner runner;
    window.setMailCheckRunner(&runner);
    // A slow copy that ends only when it is cut off.
    std::atomic<bool> ended{false};
    window.mail().copies.start([&ended] {
        const corvane::platform::ActiveCopy copy(QStringLiteral("report.pdf to \\\\server\\bob\\"));
        while (!corvane::platform::copyCancelled())
            QThread::msleep(5);
        ended = true;
    });

    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    auto *wait = p.find<QDialog>("CopiesWaitDlg");
    ASSERT_TRUE(wait && wait->isVisible());
    auto *list = p.find<QListWidget>("CopiesLB");
    for (int i = 0; i < 200 && list->count() != 1; ++i)
        QTest::qWait(10); // the list follows the copies while it waits
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("report.pdf to \\\\server\\bob\\"));
    EXPECT_FALSE(window.autoCheckTimer()->isEnabled());
    window.checkMailAction()->trigger();
    EXPECT_EQ(runner.runs, 0) << "no new check while closing waits";

    p.find<QPushButton>("CloseAnywayB")->click();
    EXPECT_FALSE(window.isVisible());
    corvane::test::waitForCopies(window.mail().copies);
    EXPECT_TRUE(ended);
}

// Closing the window while a send runs puts the close off until the send has ended: its outcome
// is shown while the window is still open, and then the window closes.
TEST(MainWindow, ClosingDuringASendShowsTheOutcomeThenCloses)
{
    Program p;
    p.makeReady();
    MainWindow &window = p.open();
    window.mail().addresses.append({QStringLiteral("Bob"), p.app.subfolder(QStringLiteral("bob")), {}, false});
    window.showPane(Pane::New);
    corvane::test::HeldSend held(p);
    held.write(QStringLiteral("Plans"), QStringLiteral("text"), {QStringLiteral("Bob")});
    QList<bool> shownInOpenWindow;
    p.fakes.messages.shown = [&](const corvane::core::Notice &) { shownInOpenWindow.append(window.isVisible()); };

    bool closedDuringSend = true;
    held.send([&] { closedDuringSend = window.close(); });
    EXPECT_FALSE(closedDuringSend);
    ASSERT_FALSE(p.fakes.messages.notices.isEmpty());
    EXPECT_EQ(p.fakes.messages.notices.last().text, corvane::sending::messagesSentText());
    EXPECT_EQ(shownInOpenWindow, QList<bool>{true});
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }, 10000));
}

// The New pane's Send runs the Send action: what it says reaches the window's message boxes, and
// the status bar's text is gone when it ends.
TEST(MainWindow, SendOnTheNewPaneWithNoRecipientWarnsThroughTheWindow)
{
    Program p;
    p.makeReady();
    MainWindow &window = p.open();
    window.showPane(Pane::New);
    EXPECT_EQ(p.front(), QStringLiteral("NewPan"));
    auto *send = p.find<QAbstractButton>("SendB");
    ASSERT_TRUE(send);
    QSignalSpy ended(window.compose()->pane(), &corvane::sending::ComposePane::sendEnded);
    send->click();
    ASSERT_TRUE(ended.wait(30000));
    ASSERT_EQ(p.fakes.messages.notices.size(), 1);
    EXPECT_EQ(p.fakes.messages.notices[0].text, corvane::sending::nothingSentText());
    EXPECT_TRUE(window.statusBarEx()->panelText(0).isEmpty());
}

} // namespace

namespace {

QByteArray messageForAnn(int n)
{
    return QStringLiteral("<?xml version=\"1.0\"?><Corvane><Message><To><Recipient Name=\"Ann\"/></To>"
                          "<From Name=\"Bob\"/><Subject Text=\"Note %1\"/><Attachments/><Body>{\\rtf1 Hi}</Body>"
                          "</Message><System Active=\"False\" GUID=\"{6F9619FF-8B86-D011-B42D-00C04FC964%2}\">"
                          "<Version Number=\"3.0.0.0\"/></System></Corvane>")
        .arg(n)
        .arg(n, 2, 10, QLatin1Char('0'))
        .toUtf8();
}

TEST(MainWindow, ACheckHeldOnASlowShareRefusesWhatConflictsAndEndsWithStoreListAndFolderAgreeing)
{
    Program p;
    p.makeReady();
    MainWindow &window = p.open();
    const QString inbox = p.app.path() + QStringLiteral("inbox") + QDir::separator();
    const auto put = [&](int file, int message) {
        corvane::test::writeFile(inbox + QStringLiteral("Ann%1.cvm").arg(file), messageForAnn(message));
    };
    put(1, 1);
    ASSERT_TRUE(p.checkMail()); // a message to press Delete on
    // The share answers for Ann2.cvm only when the test lets it.
    auto share = std::make_shared<QSemaphore>();
    window.mail().check.setFileReader([share, held = inbox + QStringLiteral("Ann2.cvm")](const QString &path) {
        if (path == held)
            share->acquire();
        return corvane::receiving::readMessageBytes(path);
    });
    const auto storedOnDisk = [&] {
        return corvane::test::storeInFile<corvane::receiving::InboxStore>(window.stores().inbox.fileName())->count();
    };
    const auto listed = [&] {
        const auto *grid = window.listPanes()->inbox()->grid();
        return grid->RowCount() - grid->FixedRows();
    };

    for (int n = 1; n <= 3; ++n)
        put(n, n + 1);
    window.checkMailAction()->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.mail().inbox.count() == 2; }, 5000)); // held at Ann2.cvm
    EXPECT_FALSE(window.checkMailAction()->isEnabled());
    Q_EMIT window.autoCheckTimer()->tick();
    window.compose()->pane()->sendAction()->trigger();
    window.listPanes()->inbox()->grid()->setRow(1);
    window.listPanes()->inbox()->deleteAction()->trigger();
    const QList<Notice> &notices = p.fakes.messages.notices;
    // Send says its outcome when it ends, from the event loop.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return std::count_if(notices.begin(), notices.end(),
                                 [](const Notice &notice) { return notice.code == Notice::Code::CheckRunning; })
                == 2;
        },
        5000))
        << "Send and Delete";
    EXPECT_EQ(window.mail().sent.count(), 0);

    share->release();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.mail().check.isRunning(); }, 5000));
    EXPECT_TRUE(window.checkMailAction()->isEnabled());
    EXPECT_EQ(window.mail().inbox.count(), 4);
    EXPECT_EQ(storedOnDisk(), 4);
    EXPECT_TRUE(QTest::qWaitFor([&] { return listed() == 4; }, 5000));
    EXPECT_TRUE(QDir(inbox).isEmpty());

    // Closing ends a held check at once: what it took in is saved and its file removed, and the
    // file it waits for stays for the next check.
    put(1, 5);
    put(2, 6);
    window.checkMailAction()->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.mail().inbox.count() == 5; }, 5000));
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }, 5000));
    EXPECT_EQ(storedOnDisk(), 5);
    EXPECT_EQ(QDir(inbox).entryList(QDir::Files), QStringList{QStringLiteral("Ann2.cvm")});
    share->release();
}

} // namespace
