// The window by keyboard: every key of the key table reaches its command, and the navigation bar
// and the toolbars are reached by Tab.
#include "shell/widgets/KeyTable.h"
#include "shell/widgets/ListPanes.h"

#include "shell/MailCheckController.h"

#include "HeldSend.h"
#include "WindowProgram.h"
#include "support/StoreTexts.h"

#include "receiving/InboxStore.h"
#include "receiving/widgets/InboxPane.h"
#include "sortgrid/widgets/SortGrid.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>

using namespace corvane::shell;
using namespace Qt::StringLiterals;

namespace {

using Program = corvane::test::WindowProgram;

// A ready profile starting on the InBox, which holds three messages from Bob: One, Two, Three.
void openWithThreeMessages(Program &p)
{
    p.makeReady(static_cast<int>(Pane::InBox));
    p.app.write(corvane::receiving::kInboxStoreFileName,
                corvane::test::inboxStore({corvane::test::inboxMessage(u"Bob"_s, u"One"_s),
                                           corvane::test::inboxMessage(u"Bob"_s, u"Two"_s),
                                           corvane::test::inboxMessage(u"Bob"_s, u"Three"_s)}));
    p.open();
    QApplication::setActiveWindow(p.window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(p.window.get()));
}

// The Mail Reader on the InBox's message at this grid row.
void readRow(Program &p, int row)
{
    p.window->listPanes()->inbox()->grid()->setRow(row);
    p.click(Pane::MailReader);
}

void press(const QKeySequence &key)
{
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    QTest::keySequence(target, key);
}

QString readerSubject(const Program &p)
{
    return p.find<QLabel>("ReaderSubjectL")->text();
}

QString composeSubject(const Program &p)
{
    return p.find<QLineEdit>("SubjectE")->text();
}

struct KeyCase
{
    Command command;
    const char *where;
    std::function<void(Program &)> before;
    std::function<void(Program &)> expectEffect;
};

std::vector<KeyCase> keyCases()
{
    std::vector<KeyCase> cases;
    for (const PaneInfo &info : paneTable()) {
        cases.push_back({showCommand(info.pane), "InBox, a message selected",
                         [](Program &p) { p.window->listPanes()->inbox()->grid()->setRow(1); },
                         [info](Program &p) {
                             EXPECT_EQ(p.front(), info.paneName);
                             EXPECT_EQ(p.highlighted(), static_cast<int>(info.pane));
                         }});
    }
    cases.push_back({Command::NewMessage, "InBox, a subject written", [](Program &p) {
                         p.find<QLineEdit>("SubjectE")->setText(u"Draft"_s);
                     },
                     [](Program &p) {
                         EXPECT_EQ(p.front(), u"NewPan"_s);
                         EXPECT_EQ(composeSubject(p), QString());
                         EXPECT_EQ(p.fakes.messages.questions.size(), 1) << "asked as Clear/New asks";
                     }});
    const std::pair<Command, QString> made[] = {
        {Command::Reply, u"RE: Two"_s}, {Command::ReplyAll, u"RE: Two"_s}, {Command::Forward, u"FW: Two"_s}};
    for (const auto &[command, subject] : made) {
        cases.push_back({command, "Mail Reader", [](Program &p) { readRow(p, 2); },
                         [subject](Program &p) {
                             EXPECT_EQ(p.front(), u"NewPan"_s);
                             EXPECT_EQ(composeSubject(p), subject);
                         }});
    }
    cases.push_back({Command::CheckMail, "Settings", [](Program &p) { p.click(Pane::Settings); },
                     [](Program &p) {
                         QSignalSpy finished(p.window->findChild<MailCheckController *>(),
                                             &MailCheckController::finished);
                         EXPECT_TRUE(finished.count() > 0 || finished.wait(5000));
                     }});
    cases.push_back({Command::Delete, "Mail Reader", [](Program &p) { readRow(p, 2); },
                     [](Program &p) {
                         EXPECT_EQ(p.window->stores().inbox.count(), 2);
                         EXPECT_NE(p.front(), u"MailReaderPan"_s);
                     }});
    cases.push_back({Command::Delete, "InBox list", [](Program &p) {
                         auto *grid = p.window->listPanes()->inbox()->grid();
                         grid->setRow(1);
                         grid->setFocus();
                     },
                     [](Program &p) { EXPECT_EQ(p.window->stores().inbox.count(), 2); }});
    cases.push_back({Command::Print, "Mail Reader",
                     [](Program &p) {
                         readRow(p, 1);
                         // The print dialog is modal: it is noted and closed.
                         auto *closer = new QTimer(p.window.get());
                         closer->setObjectName(u"closer"_s);
                         closer->callOnTimeout(closer, [closer] {
                             if (QWidget *modal = QApplication::activeModalWidget()) {
                                 closer->setProperty("seen", QString::fromLatin1(modal->metaObject()->className()));
                                 modal->close();
                             }
                         });
                         closer->start(20);
                     },
                     [](Program &p) {
                         EXPECT_EQ(p.window->findChild<QTimer *>(u"closer"_s)->property("seen").toString(),
                                   u"QPrintDialog"_s);
                     }});
    cases.push_back({Command::Find, "InBox list", [](Program &p) { p.window->listPanes()->inbox()->grid()->setFocus(); },
                     [](Program &p) {
                         EXPECT_EQ(QApplication::focusWidget(), p.window->listPanes()->inbox()->findChild<QLineEdit *>(
                                                                    u"findField"_s));
                     }});
    cases.push_back({Command::PreviousMessage, "Mail Reader", [](Program &p) { readRow(p, 2); },
                     [](Program &p) {
                         // The reader loads the next message once the window is idle.
                         EXPECT_TRUE(QTest::qWaitFor([&] { return readerSubject(p) == u"One"_s; }, 2000));
                     }});
    cases.push_back({Command::NextMessage, "Mail Reader", [](Program &p) { readRow(p, 2); },
                     [](Program &p) {
                         EXPECT_TRUE(QTest::qWaitFor([&] { return readerSubject(p) == u"Three"_s; }, 2000));
                     }});
    return cases;
}

TEST(Keyboard, EveryKeyOfTheTableReachesItsCommand)
{
    const std::vector<KeyCase> cases = keyCases();
    for (const KeyBinding &binding : keyTable()) {
        const QString key = binding.key.toString();
        SCOPED_TRACE(key.toStdString());
        int tried = 0;
        for (const KeyCase &c : cases) {
            if (c.command != binding.command)
                continue;
            SCOPED_TRACE(c.where);
            ++tried;
            Program p;
            openWithThreeMessages(p);
            c.before(p);
            press(binding.key);
            c.expectEffect(p);
            EXPECT_TRUE(p.fakes.messages.notices.isEmpty());
        }
        EXPECT_GT(tried, 0) << "no case for the key";
    }
}

// The keys are shown where the commands are: tool tips and the InBox list's menu.
TEST(Keyboard, ToolTipsAndTheListsMenuShowTheKeys)
{
    Program p;
    openWithThreeMessages(p);
    const struct
    {
        const char *button;
        QString tip;
    } tips[] = {{"ReplyI", u"Reply (Ctrl+R)"_s},          {"ReplyAllI", u"Reply All (Ctrl+Shift+R)"_s},
                {"ToolButton6", u"Forward (Ctrl+L)"_s},    {"CheckB", u"Check for New Mail (F5)"_s},
                {"PreviousMsgB", u"Previous (Alt+Left)"_s}, {"DeleteInboxMsgI", u"Delete Message (Del)"_s},
                {"InBoxObiItem", u"InBox (Ctrl+2)"_s}};
    for (const auto &t : tips)
        EXPECT_EQ(p.find<QAbstractButton>(t.button)->toolTip(), t.tip) << t.button;
    auto *reply = p.window->listPanes()->inbox()->grid()->actions().first();
    EXPECT_EQ(reply->shortcut(), keyOf(Command::Reply));
    EXPECT_TRUE(reply->isShortcutVisibleInContextMenu());
}

// A key that conflicts with a running operation is refused as its button is: while a message is
// sent, neither Reply nor New replaces it.
TEST(Keyboard, KeysThatWouldReplaceTheMessageBeingSentAreRefused)
{
    Program p;
    openWithThreeMessages(p);
    p.window->mail().addresses.append({u"Bob"_s, p.app.subfolder(u"bob"_s), {}, false});
    p.window->listPanes()->inbox()->grid()->setRow(1);
    p.click(Pane::New);
    corvane::test::HeldSend held(p);
    held.write(u"Plans"_s, u"original"_s, {u"Bob"_s});
    QList<corvane::core::Notice::Code> shown;
    held.send([&] {
        p.click(Pane::MailReader);
        press(keyOf(Command::Reply));
        press(keyOf(Command::NewMessage));
        shown = p.fakes.messages.codes();
    });
    using Code = corvane::core::Notice::Code;
    EXPECT_EQ(shown, (QList<Code>{Code::SendRunning, Code::SendRunning}));
    EXPECT_EQ(composeSubject(p), u"Plans"_s);
}

// Tab reaches the toolbar's buttons and the navigation bar at its highlighted item; the arrows
// move the highlight and bring the item's pane to the front, keeping the focus on the bar.
TEST(Keyboard, TabReachesTheToolbarAndTheNavigationBarWhoseArrowsChangeThePane)
{
    Program p;
    openWithThreeMessages(p);
    p.window->listPanes()->inbox()->grid()->setRow(1); // the Mail Reader has a message to show
    QWidget *check = p.find<QWidget>("CheckB");
    check->setFocus(Qt::TabFocusReason);
    QTest::keyClick(check, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), u"ToolButton8"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget()->objectName(), u"InBoxObiItem"_s);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(p.front(), u"MailReaderPan"_s);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), u"MailReaderObiItem"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    EXPECT_EQ(p.front(), u"SettingsPan"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    EXPECT_EQ(p.front(), u"AddressPan2"_s);
    EXPECT_EQ(p.highlighted(), static_cast<int>(Pane::AddressEdit));
    EXPECT_EQ(QApplication::focusWidget()->objectName(), u"adrObiClk2Item"_s);
}

} // namespace
