// The whole mail loop through three real windows on temporary folders: Ann sends to Bob, Bob
// replies with a file, Ann forwards the reply to Carol.
#include "shell/MailServices.h"
#include "shell/widgets/ComposeParts.h"
#include "shell/widgets/ListPanes.h"

#include "WindowProgram.h"
#include "support/TempFolder.h"
#include "support/WidgetTexts.h"

#include "receiving/AttachmentFiles.h"
#include "receiving/widgets/InboxPane.h"
#include "richtext/widgets/RichTextEditor.h"
#include "sending/widgets/AttachDialogue.h"
#include "sending/widgets/ComposePane.h"
#include "sending/widgets/ToDialogue.h"
#include "sortgrid/widgets/SortGrid.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace corvane::shell;
using corvane::test::items;

namespace {

using Program = corvane::test::WindowProgram;

struct User
{
    QString name;
    Program p;
    QString inbox() const { return p.app.subfolder(QStringLiteral("inbox")); }
    MainWindow &window() const { return *p.window; }
    void open(const QString &userName)
    {
        name = userName;
        p.makeReady(static_cast<int>(Pane::InBox));
        p.ini().writeString(keys::settings, keys::name, name);
        p.open();
    }
    void knows(const User &other) { window().mail().addresses.append({other.name, other.inbox(), {}, false}); }
    bool copiesDone() const { return window().mail().copies.running() == 0; }
    // The file the reader opens for the named attachment of the stored message at a position.
    QString receivedFile(int position, const QString &name) const
    {
        return corvane::receiving::attachmentFile(attachmentPlacesFrom(window().startup().settings()),
                                                  corvane::receiving::keptFilesOf(window().mail().inbox.message(position)),
                                                  name);
    }
    // Check Mail, waited for until the new messages and their files are in and the check has
    // ended: a Send while it still runs waits for the next press.
    void checkMail(int expected)
    {
        window().checkMailAction()->trigger();
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                return window().mail().inbox.count() == expected && copiesDone() && !window().mail().check.isRunning()
                    && window().checkMailAction()->isEnabled();
            },
            10000))
            << name.toStdString();
    }
    // Shows the inbox store's message with this "Msg No." in the Mail Reader.
    void read(int number)
    {
        p.click(Pane::InBox);
        window().listPanes()->inbox()->grid()->setRow(number);
        p.click(Pane::MailReader);
    }
    void addressTo(const QString &recipient)
    {
        corvane::sending::ToDialogue *to = window().compose()->toDialogue();
        to->show();
        auto *book = to->findChild<QListWidget *>(QStringLiteral("ToListLB"));
        book->clearSelection();
        book->findItems(recipient, Qt::MatchExactly).value(0)->setSelected(true);
        to->findChild<QPushButton *>(QStringLiteral("ToAdrB"))->click();
        to->findChild<QPushButton *>(QStringLiteral("SelAdrOK"))->click();
    }
    // Writes a file of this content in the user's program folder and attaches it.
    void attachNew(const QString &fileName, const QByteArray &content)
    {
        const QString file = p.app.file(fileName);
        corvane::test::writeFile(file, content);
        window().compose()->attachDialogue()->AddFile(file);
    }
    void send()
    {
        QSignalSpy ended(window().compose()->pane(), &corvane::sending::ComposePane::sendEnded);
        p.find<QToolButton>("SendB")->click();
        ASSERT_TRUE(ended.wait(10000));
        ASSERT_TRUE(QTest::qWaitFor([&] { return copiesDone(); }, 10000));
        EXPECT_TRUE(p.fakes.messages.errors.isEmpty()) << p.fakes.messages.errors.join(u'\n').toStdString();
    }
    corvane::richtext::RichTextEditor &editor() const { return *window().compose()->pane()->editor(); }
    corvane::richtext::RichTextEditor &view() const
    {
        return *p.find<corvane::richtext::RichTextEditor>("ReadRichTextBox");
    }
};

TEST(MailLoop, AnnSendsBobRepliesWithAFileAnnForwardsTheReplyToCarol)
{
    User ann, bob, carol;
    ann.open(QStringLiteral("Ann"));
    bob.open(QStringLiteral("Bob"));
    carol.open(QStringLiteral("Carol"));
    for (User *user : {&ann, &bob, &carol})
        for (const User *other : {&ann, &bob, &carol})
            if (other != user)
                user->knows(*other);

    // Ann: "plain bold" with the second word bold through the toolbar, to Bob, with a file.
    ann.p.click(Pane::New);
    ann.p.find<QLineEdit>("SubjectE")->setText(QStringLiteral("Plans"));
    QTest::keyClicks(&ann.editor(), QStringLiteral("plain "));
    ann.p.find<QToolButton>("NewBoldB")->click();
    QTest::keyClicks(&ann.editor(), QStringLiteral("bold"));
    ann.p.find<QToolButton>("NewBoldB")->click();
    ann.addressTo(QStringLiteral("Bob"));
    ann.attachNew(QStringLiteral("plan.txt"), "the plan");
    ann.send();

    // Bob reads the bold word and sees the file, then replies with a file of his own.
    bob.checkMail(1);
    bob.read(1);
    EXPECT_EQ(bob.view().text(), QStringLiteral("plain bold"));
    bob.view().select(6, 4);
    EXPECT_EQ(bob.view().selBold(), std::optional<bool>(true));
    bob.view().select(0, 5);
    EXPECT_EQ(bob.view().selBold(), std::optional<bool>(false));
    EXPECT_EQ(items(bob.p.find<QComboBox>("ReaderAttachC")), QStringList{QStringLiteral("plan.txt")});
    EXPECT_EQ(corvane::test::readFile(bob.receivedFile(0, QStringLiteral("plan.txt"))), QByteArray("the plan"));
    bob.p.find<QToolButton>("ReplyI")->click();
    ASSERT_EQ(bob.p.front(), QStringLiteral("NewPan"));
    bob.attachNew(QStringLiteral("notes.txt"), "the notes");
    bob.send();

    // Ann reads the reply: its quoted header grey and indented.
    ann.checkMail(1);
    ann.read(1);
    ASSERT_EQ(ann.window().mail().inbox.message(0).subject, QStringLiteral("RE: Plans"));
    corvane::richtext::RichTextEditor &reply = ann.view();
    // From the third line to the quoted body: the separator lines and the original's header.
    const int body = reply.findText(QStringLiteral("plain bold"));
    ASSERT_GT(body, 2);
    EXPECT_TRUE(reply.text().mid(2, body - 2).contains(QStringLiteral("From: Ann")));
    reply.select(2, body - 3);
    EXPECT_EQ(reply.selColor(), std::optional<QColor>(QColor(0x8F, 0x8F, 0x8F)));
    reply.select(2, reply.textLength() - 2);
    ASSERT_TRUE(reply.selLeftIndent().has_value());
    EXPECT_GT(*reply.selLeftIndent(), 0);
    EXPECT_EQ(items(ann.p.find<QComboBox>("ReaderAttachC")), QStringList{QStringLiteral("notes.txt")});

    // Ann forwards the reply with its file to Carol.
    ann.p.find<QToolButton>("ToolButton6")->click();
    ASSERT_EQ(ann.p.front(), QStringLiteral("NewPan"));
    ann.addressTo(QStringLiteral("Carol"));
    ann.send();
    carol.checkMail(1);
    EXPECT_EQ(carol.window().mail().inbox.message(0).subject, QStringLiteral("FW: RE: Plans"));
    EXPECT_EQ(corvane::test::readFile(carol.receivedFile(0, QStringLiteral("notes.txt"))), QByteArray("the notes"));
}

} // namespace
