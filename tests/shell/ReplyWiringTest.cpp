// Reply, Forward and Reopen as the window wires them into the compose pane.
#include "shell/widgets/ListPanes.h"
#include "shell/widgets/ReaderPanes.h"

#include "HeldSend.h"
#include "WindowProgram.h"
#include "support/EventWait.h"
#include "support/StoreTexts.h"
#include "support/Strings.h"
#include "support/TempFolder.h"
#include "support/WidgetTexts.h"

#include "receiving/MailReading.h"
#include "receiving/widgets/InboxPane.h"
#include "richtext/RtfPlainText.h"
#include "richtext/widgets/RichTextEditor.h"
#include "sending/ComposeDraft.h"
#include "sending/DraftKeeper.h"
#include "sending/OutgoingMessage.h"
#include "sending/SendAction.h"
#include "sending/SentStore.h"
#include "sending/widgets/ComposePane.h"
#include "sending/widgets/SentItemsPane.h"
#include "shell/Settings.h"
#include "shell/TerminationSignals.h"
#include "sortgrid/widgets/SortGrid.h"
#include "spell/SpellRun.h"
#include "spell/widgets/SpellCheckDialog.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <csignal>

using namespace corvane::shell;
using corvane::test::items;
using corvane::test::strings;
using namespace Qt::StringLiterals;

namespace {

using Program = corvane::test::WindowProgram;

// The compose pane as the user sees it: subject, recipient and attachment boxes, the draft's paths.
struct Compose
{
    QString subject;
    QStringList to;
    QStringList attached;
    QStringList paths;
    bool operator==(const Compose &) const = default;
};

void PrintTo(const Compose &c, std::ostream *out)
{
    *out << c.subject.toStdString() << " to " << c.to.join(u'|').toStdString() << " attached "
         << c.attached.join(u'|').toStdString() << " paths " << c.paths.join(u'|').toStdString();
}

corvane::sending::ComposePane &pane(const Program &p)
{
    return *p.find<corvane::sending::ComposePane>("NewPan");
}

Compose compose(const Program &p)
{
    return {p.find<QLineEdit>("SubjectE")->text(), items(p.find<QComboBox>("ToC")), items(p.find<QComboBox>("AttachC")),
            pane(p).draft().attachmentPaths()};
}

// An InBox holding one message from the sender, and Sent Items holding one old message to Dan.
void writeMessageStores(Program &p, const QString &sender, const QString &subject)
{
    p.app.write(corvane::receiving::kInboxStoreFileName,
                corvane::test::inboxStore({corvane::test::inboxMessage(sender, subject)}));
    p.app.write(corvane::sending::kSentStoreFileName,
                corvane::test::sentStore({corvane::test::sentMessage({QStringLiteral("Dan")}, QStringLiteral("Old"), {},
                                                                     QStringLiteral("1"))}));
}

QStringList editorLines(const Program &p)
{
    return pane(p).editor()->text().split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
}

// Reply, Reply All and Forward of the shown message fill the compose pane, bring it to the front
// and leave the cursor in the message text, so that typing goes on in the reply.
TEST(ReplyWiring, ReplyReplyAllAndForwardOfTheShownMessageFillTheComposePaneWithTheCursorInTheText)
{
    Program p;
    p.makeReady(static_cast<int>(Pane::InBox));
    const QString inbox = p.app.subfolder(QStringLiteral("inbox"));
    corvane::test::writeFile(inbox + QStringLiteral("plan.txt"), "steps");
    // Bob wrote to Ann (the user, in another letter case), Cid and Bob himself.
    QByteArray toAll = corvane::test::inboxMessage(QStringLiteral("Bob"), QStringLiteral("Plans"), {QStringLiteral("plan.txt")});
    toAll.replace("<Recipient Name=\"Ann\"/>",
                  "<Recipient Name=\"ANN\"/><Recipient Name=\"Cid\"/><Recipient Name=\"Bob\"/>");
    p.app.write(corvane::receiving::kInboxStoreFileName,
                corvane::test::inboxStore({corvane::test::inboxMessage(QStringLiteral("Cid"), QStringLiteral("Lunch")), toAll}));
    p.open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(p.window.get()));
    for (const char *button : {"ReplyI", "ReplyAllI", "ToolButton6"})
        EXPECT_FALSE(p.find<QToolButton>(button)->isEnabled()) << "no message shown yet: " << button;
    const struct
    {
        const char *button;
        Compose expected;
    } cases[] = {
        {"ReplyI", {QStringLiteral("RE: Plans"), strings({"Bob"}), {}, {}}},
        {"ReplyAllI", {QStringLiteral("RE: Plans"), strings({"Bob", "Cid"}), {}, {}}},
        {"ToolButton6",
         {QStringLiteral("FW: Plans"), {}, strings({"plan.txt"}), QStringList{inbox + QStringLiteral("plan.txt")}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.button);
        auto *button = p.find<QToolButton>(c.button);
        p.click(Pane::InBox);
        p.window->listPanes()->inbox()->grid()->setRow(2); // "Msg No." 2: Bob's message
        p.click(Pane::MailReader);
        ASSERT_TRUE(button->isEnabled());
        button->click();
        EXPECT_EQ(p.front(), QStringLiteral("NewPan"));
        EXPECT_EQ(p.highlighted(), static_cast<int>(Pane::New));
        EXPECT_EQ(compose(p), c.expected);
        // The layout of the quote is ComposeEditorFill's concern; here, that the shown message is quoted.
        EXPECT_TRUE(editorLines(p).contains(QStringLiteral("From: Bob")));
        ASSERT_EQ(QApplication::focusWidget(), pane(p).editor());
        QTest::keyClicks(pane(p).editor(), QStringLiteral("Sure"));
        EXPECT_TRUE(pane(p).editor()->text().startsWith(QStringLiteral("Sure"))) << pane(p).editor()->text().toStdString();
    }
    EXPECT_TRUE(p.fakes.messages.errors.isEmpty());

    // Deleting the shown message leaves nothing to answer until another is shown.
    p.click(Pane::MailReader);
    p.find<QToolButton>("DeleteMsgI")->click();
    EXPECT_EQ(p.front(), QStringLiteral("InBoxPan"));
    for (const char *button : {"ReplyI", "ReplyAllI", "ToolButton6"})
        EXPECT_FALSE(p.find<QToolButton>(button)->isEnabled()) << button;
}

TEST(ReplyWiring, TheInboxListsKeysAnswerOrForwardTheSelectedMessageWithoutOpeningIt)
{
    Program p;
    p.makeReady(static_cast<int>(Pane::InBox));
    QByteArray message = corvane::test::inboxMessage(QStringLiteral("Bob"), QStringLiteral("Plans"));
    message.replace("<Recipient Name=\"Ann\"/>",
                    "<Recipient Name=\"ann\"/><Recipient Name=\"Dan\"/><Recipient Name=\"bob\"/>");
    p.app.write(corvane::receiving::kInboxStoreFileName, corvane::test::inboxStore({message}));
    p.open();
    auto *grid = p.window->listPanes()->inbox()->grid();
    const std::pair<QKeySequence, Compose> cases[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_R), {QStringLiteral("RE: Plans"), strings({"Bob"}), {}, {}}},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R), {QStringLiteral("RE: Plans"), strings({"Bob", "Dan"}), {}, {}}},
        {QKeySequence(Qt::CTRL | Qt::Key_L), {QStringLiteral("FW: Plans"), {}, {}, {}}},
    };
    for (const auto &[key, made] : cases) {
        SCOPED_TRACE(key.toString().toStdString());
        p.click(Pane::InBox);
        grid->setRow(1);
        QApplication::setActiveWindow(p.window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(p.window.get()));
        grid->setFocus();
        QTest::keySequence(grid, key);
        EXPECT_EQ(p.front(), QStringLiteral("NewPan"));
        EXPECT_EQ(compose(p), made);
    }
    EXPECT_EQ(grid->contextMenuPolicy(), Qt::ActionsContextMenu);
    EXPECT_EQ(grid->Cells(5, 1), QStringLiteral("Unread")) << "the reader was never opened";
    EXPECT_TRUE(p.fakes.messages.errors.isEmpty());
}

TEST(ReplyWiring, DoubleClickInSentItemsReopensTheMessageOfTheRowsNumber)
{
    Program p;
    p.makeReady(static_cast<int>(Pane::SentItems));
    p.ini().writeInteger(keys::columns, QStringLiteral("Sent Sort"), 2); // by subject: rows differ from positions
    p.ini().writeInteger(keys::columns, QStringLiteral("Sent Sort Direction"), 0);
    const QString report = p.app.file(QStringLiteral("files/report.pdf"));
    p.app.write(corvane::sending::kSentStoreFileName,
                corvane::test::sentStore(
                    {corvane::test::sentMessage({QStringLiteral("Cid")}, QStringLiteral("b"), {}, QStringLiteral("1")),
                     corvane::test::sentMessage({QStringLiteral("Bob"), QStringLiteral("Dan")}, QStringLiteral("a"),
                                                {report}, QStringLiteral("2"))}));
    p.open();
    corvane::sortgrid::TSortGrid &grid = *p.window->listPanes()->sent()->grid();
    ASSERT_EQ(grid.Cells(2, 1), QStringLiteral("a"));
    // Grid row 1 is the model's first row: the header row is not in the model.
    const QRect cell = grid.visualRect(grid.model()->index(1 - grid.FixedRows(), 2));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
    ASSERT_EQ(grid.Row(), 1);

    EXPECT_EQ(p.front(), QStringLiteral("NewPan"));
    EXPECT_EQ(compose(p), (Compose{QStringLiteral("a"), strings({"Bob", "Dan"}), strings({"report.pdf"}),
                                   QStringList{report}}));
    EXPECT_EQ(pane(p).editor()->text().trimmed(), QStringLiteral("Hi"));
    EXPECT_TRUE(p.fakes.messages.errors.isEmpty());
}

// Reply, Forward, Reopen and Clear pressed while a send runs are refused with a message, and Send
// is disabled; the send delivers the message once, as it was when Send was pressed, although the
// user went on writing and chose another recipient meanwhile.
TEST(ReplyWiring, CommandsThatWouldReplaceTheMessageAreRefusedWhileItIsBeingSent)
{
    Program p;
    p.makeReady(static_cast<int>(Pane::New));
    writeMessageStores(p, QStringLiteral("Cid"), QStringLiteral("Lunch"));
    MainWindow &window = p.open();
    const QString bob = p.app.subfolder(QStringLiteral("bob"));
    const QString carl = p.app.subfolder(QStringLiteral("carl"));
    window.mail().addresses.append({QStringLiteral("Bob"), bob, {}, false});
    window.mail().addresses.append({QStringLiteral("Carl"), carl, {}, false});
    window.listPanes()->inbox()->grid()->setRow(1);
    p.click(Pane::MailReader);
    p.click(Pane::New);
    corvane::test::HeldSend held(p);
    held.write(QStringLiteral("Plans"), QStringLiteral("original"), {QStringLiteral("Bob")});

    auto &messages = p.fakes.messages;
    qsizetype refusals = 0;
    bool sendEnabled = true;
    held.send([&] {
        p.click(Pane::MailReader);
        p.find<QToolButton>("ReplyI")->click();
        p.find<QToolButton>("ToolButton6")->click();
        window.compose()->reopen(0);
        p.click(Pane::New);
        p.find<QToolButton>("Cleari")->click();
        refusals = messages.notices.size();
        sendEnabled = p.find<QAbstractButton>("SendB")->isEnabled();
        p.find<QAbstractButton>("SendB")->click();
        // Writing on and choosing another recipient change the draft, not the message being sent.
        QTest::keyClicks(pane(p).editor(), QStringLiteral(" more"));
        window.compose()->draft().addRecipients({QStringLiteral("Carl")});
    });

    EXPECT_EQ(refusals, 4);
    EXPECT_FALSE(sendEnabled);
    EXPECT_TRUE(messages.questions.isEmpty()) << messages.questions.join(u'|').toStdString();
    ASSERT_FALSE(messages.notices.isEmpty());
    EXPECT_EQ(messages.notices.last().text, corvane::sending::messagesSentText());
    ASSERT_EQ(window.mail().sent.count(), 2);
    const corvane::core::Message sent = window.mail().sent.message(1);
    EXPECT_EQ(sent.to, strings({"Bob"}));
    EXPECT_EQ(sent.subject, QStringLiteral("Plans"));
    EXPECT_EQ(corvane::richtext::rtfToPlainText(sent.bodyRtf).trimmed(), QStringLiteral("original"));
    EXPECT_EQ(QDir(bob).entryList({QStringLiteral("*.cvm")}), QStringList{QStringLiteral("Bob1.cvm")});
    EXPECT_FALSE(QFile::exists(carl + QStringLiteral("Carl1.cvm")));
    // The pane keeps what was written meanwhile, which the next send sends under a new identifier.
    EXPECT_EQ(compose(p).subject, QStringLiteral("Plans"));
    EXPECT_EQ(compose(p).to, strings({"Bob", "Carl"}));
    EXPECT_EQ(pane(p).editor()->text(), QStringLiteral("original more"));
    EXPECT_TRUE(window.mail().outgoing.NewGuidNeeded);
    corvane::test::waitForCopies(window.mail().copies);
}

// Reply, Forward and Reopen ask before they replace a message the user has edited since it was
// last sent, cleared or filled: No keeps it as it is, Yes replaces it.
TEST(ReplyWiring, ReplacingAnEditedMessageAsksFirstAndNoKeepsIt)
{
    Program p;
    p.makeReady(static_cast<int>(Pane::New));
    writeMessageStores(p, QStringLiteral("Bob"), QStringLiteral("Plans"));
    MainWindow &window = p.open();
    ComposeParts &parts = *window.compose();
    const std::pair<const char *, std::function<void()>> commands[] = {
        {"Reply", [&] { parts.replyTo(0); }},
        {"Forward", [&] { parts.forward(0); }},
        {"Reopen", [&] { parts.reopen(0); }},
    };
    const QString discard = QStringLiteral("Discard the message you are writing?");
    auto &messages = p.fakes.messages;
    corvane::richtext::RichTextEditor &editor = *pane(p).editor();
    for (const auto &[name, command] : commands) {
        SCOPED_TRACE(name);
        QTest::keyClicks(&editor, QStringLiteral("mine"));
        const QString written = editor.text();
        const Compose before = compose(p);
        messages.questions.clear();
        messages.answer = false;
        command();
        EXPECT_EQ(messages.questions, QStringList{discard});
        EXPECT_EQ(editor.text(), written);
        EXPECT_EQ(compose(p), before);
        editor.undo(); // the typing is still undoable
        EXPECT_FALSE(editor.text().contains(QStringLiteral("mine")));

        messages.answer = true;
        QTest::keyClicks(&editor, QStringLiteral("mine"));
        command();
        EXPECT_EQ(messages.questions, (QStringList{discard, discard}));
        EXPECT_FALSE(editor.text().contains(QStringLiteral("mine")));
        // What a command filled in is no work of the user's: the next command does not ask.
        messages.questions.clear();
        command();
        EXPECT_TRUE(messages.questions.isEmpty());
    }
}


// While the spell check's dialog waits for an answer, the commands that would send the message or
// replace it are refused with the check's notice; the answer then lands in the text as it was.
TEST(ReplyWiring, CommandsThatWouldSendOrReplaceTheMessageAreRefusedWhileItIsSpellChecked)
{
    Program p;
    p.makeReady(static_cast<int>(Pane::New));
    p.app.write(QStringLiteral("words.dic"), "known\r\n");
    p.ini().writeString(keys::spelling, keys::mainDictionary, p.app.file(QStringLiteral("words.dic")));
    writeMessageStores(p, QStringLiteral("Cid"), QStringLiteral("Lunch"));
    MainWindow &window = p.open();
    const QString bob = p.app.subfolder(QStringLiteral("bob"));
    window.mail().addresses.append({QStringLiteral("Bob"), bob, {}, false});
    window.listPanes()->inbox()->grid()->setRow(1);
    p.click(Pane::MailReader);
    p.click(Pane::New);
    p.find<QLineEdit>("SubjectE")->setText(QStringLiteral("Plans"));
    window.compose()->draft().setRecipients({QStringLiteral("Bob")});
    QTest::keyClicks(pane(p).editor(), QStringLiteral("known wrld"));

    p.find<QToolButton>("ToolButton7")->click();
    auto *dialog = p.find<corvane::spell::SpellCheckDialog>("SpellCheckF");
    ASSERT_TRUE(dialog->pending()) << "the dialog waits on \"wrld\"";
    auto &messages = p.fakes.messages;
    messages.notices.clear();
    p.find<QAbstractButton>("SendB")->click();
    p.find<QToolButton>("Cleari")->click();
    p.click(Pane::MailReader);
    p.find<QToolButton>("ReplyI")->click();
    p.find<QToolButton>("ToolButton6")->click();
    window.compose()->reopen(0);

    ASSERT_EQ(messages.notices.size(), 5);
    for (const corvane::core::Notice &notice : messages.notices)
        EXPECT_EQ(notice.code, corvane::core::Notice::Code::SpellCheckRunning);
    EXPECT_TRUE(messages.questions.isEmpty());
    EXPECT_EQ(window.mail().sent.count(), 1);
    EXPECT_TRUE(QDir(bob).isEmpty());

    dialog->findChild<QLineEdit *>(QStringLiteral("ChangeToSPLE"))->setText(QStringLiteral("world"));
    dialog->findChild<QPushButton *>(QStringLiteral("ChangeSPB"))->click();
    EXPECT_FALSE(window.compose()->spellRun().isRunning());
    EXPECT_EQ(pane(p).editor()->text(), QStringLiteral("known world"));
    EXPECT_EQ(compose(p).subject, QStringLiteral("Plans"));
    EXPECT_EQ(compose(p).to, strings({"Bob"}));
}

} // namespace

namespace {

// Send names the recipients the address book lacks before anything is written. Yes adds the
// first one (Address Edit with the name filled in, the cursor in the folder field); No sends as
// before. A name that differs from an entry only in case is offered no entry of its own.
TEST(ReplyWiring, SendNamesRecipientsNotInTheAddressBookAndOffersToAddThem)
{
    const struct
    {
        const char *what;
        QStringList to;
        bool answer;
        QString question;
        bool sends;
        QString added; // the name Address Edit shows, when it comes to the front
    } cases[] = {
        {"yes adds Cid", strings({"Bob", "Cid"}), true,
         u"Cid is not in your address book.\n\nAdd Cid to your address book now? (No sends the message as it is.)"_s,
         false, u"Cid"_s},
        {"no sends to the others", strings({"Cid", "Bob"}), false, {}, true, {}},
        {"a name in another case", strings({"bob", "Cid"}), true,
         u"bob is not in your address book: did you mean Bob?\nCid is not in your address book.\n\nAdd Cid"_s, false,
         u"Cid"_s},
        {"only a name in another case", strings({"bob"}), false,
         u"bob is not in your address book: did you mean Bob?\n\nSend the message anyway?"_s, false, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Program p;
        p.makeReady();
        MainWindow &window = p.open();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        const QString bob = p.app.subfolder(QStringLiteral("bob"));
        window.mail().addresses.append({QStringLiteral("Bob"), bob, {}, false});
        const int entries = window.mail().addresses.count();
        p.click(Pane::New);
        window.compose()->draft().setRecipients(c.to);
        p.fakes.messages.answer = c.answer;
        QSignalSpy ended(window.compose()->pane(), &corvane::sending::ComposePane::sendEnded);
        p.find<QAbstractButton>("SendB")->click();

        ASSERT_EQ(p.fakes.messages.questions.size(), 1);
        EXPECT_TRUE(p.fakes.messages.questions[0].startsWith(c.question)) << p.fakes.messages.questions[0].toStdString();
        EXPECT_EQ(c.sends ? ended.wait(10000) : ended.wait(100), c.sends);
        EXPECT_EQ(QFile::exists(bob + QStringLiteral("Bob1.cvm")), c.sends);
        if (c.added.isEmpty()) {
            EXPECT_EQ(window.mail().addresses.count(), entries);
            continue;
        }
        EXPECT_EQ(p.front(), QStringLiteral("AddressPan2"));
        EXPECT_EQ(p.find<QLineEdit>("AddressNameE")->text(), c.added);
        EXPECT_EQ(QApplication::focusWidget(), p.find<QLineEdit>("AddressInBoxE"));
        // Typing the folder and saving adds the person.
        QTest::keyClicks(QApplication::focusWidget(), p.app.subfolder(QStringLiteral("cid")));
        p.find<QPushButton>("AddressSaveB")->click();
        EXPECT_EQ(window.mail().addresses.entries().last().Name, c.added);
    }
}

} // namespace

namespace {

// The message being written is kept in the profile as it is typed, survives a SIGTERM (which ends
// the window as its close box does) and is offered back at the next start; sent or cleared, it is
// no longer kept.
TEST(KeptDraft, TheMessageBeingWrittenSurvivesAKillAndIsOfferedBackAtTheNextStart)
{
    using corvane::sending::DraftKeeper;
    Program p;
    p.makeReady(static_cast<int>(Pane::InBox));
    const QString kept = p.app.file(corvane::sending::kKeptDraftFileName);
    const auto keptText = [&] {
        const std::optional<corvane::sending::Draft> draft = DraftKeeper::read(kept);
        return draft ? corvane::richtext::rtfToPlainText(draft->rtfBody).trimmed() : QStringLiteral("(none)");
    };
    MainWindow &window = p.open();
    window.compose()->draftKeeper()->setDelay(std::chrono::milliseconds(50));
    p.click(Pane::New);
    p.find<QLineEdit>("SubjectE")->setText(QStringLiteral("Plans"));
    window.compose()->draft().setRecipients(strings({"Bob"}));
    QTest::keyClicks(pane(p).editor(), QStringLiteral("Dear Bob"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return keptText() == QStringLiteral("Dear Bob"); }, 5000)) << keptText().toStdString();
    QTest::keyClicks(pane(p).editor(), QStringLiteral(", see"));

    corvane::shell::TerminationSignals termination;
    QObject::connect(&termination, &corvane::shell::TerminationSignals::received, &window, &MainWindow::endSession);
    ::raise(SIGTERM);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }, 5000));
    EXPECT_EQ(keptText(), QStringLiteral("Dear Bob, see")) << "saved at the end, not a countdown later";
    p.window.reset();

    p.open();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !p.fakes.messages.questions.isEmpty(); }, 2000));
    EXPECT_TRUE(p.fakes.messages.questions[0].contains(QStringLiteral("\"Plans\"")));
    EXPECT_EQ(p.front(), QStringLiteral("NewPan"));
    EXPECT_EQ(compose(p), (Compose{QStringLiteral("Plans"), strings({"Bob"}), {}, {}}));
    EXPECT_EQ(pane(p).editor()->text().trimmed(), QStringLiteral("Dear Bob, see"));

    p.window->compose()->draftKeeper()->setDelay(std::chrono::milliseconds(50));
    p.find<QToolButton>("Cleari")->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !QFile::exists(kept); }, 5000));
}

} // namespace
