// The compose pane with its dialogs, driven through their controls as a user would.
#include "sending/ComposeDraft.h"
#include "sending/ComposeSend.h"
#include "sending/widgets/AttachDialogue.h"
#include "sending/widgets/ComposePane.h"
#include "sending/widgets/ComposePrompts.h"
#include "sending/widgets/ToDialogue.h"

#include "receiving/MailWorld.h"
#include "richtext/widgets/RichTextEditor.h"
#include "support/Accessibility.h"
#include "support/WidgetTexts.h"

#include "support/EventWait.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <QUrl>

#include <gtest/gtest.h>

#include <functional>

using namespace corvane;
using namespace corvane::sending;
using core::Notice;
using richtext::RichTextEditor;
using test::items;

using namespace Qt::StringLiterals;

namespace {

struct FakePrompts : ComposePrompts
{
    QStringList questions;
    bool answer = false;
    QList<Notice> notices;
    int beeps = 0;
    QStringList files;

    bool confirm(QWidget *, const QString &question) override
    {
        questions.append(question);
        return answer;
    }
    void showNotice(QWidget *, const Notice &notice) override { notices.append(notice); }
    void beep() override { ++beeps; }
    QStringList chooseFiles(QWidget *) override { return files; }
};

struct ComposeTest : ::testing::Test
{
    test::MailWorld world;
    test::MailUser &ann = *world.ann;
    FakePrompts prompts;
    ComposeDraft draft{ann.outgoing};
    ComposeSend send{ann.send, ann.sent};
    ComposePane pane{draft, send, [this] { return ann.settings; }, prompts};
    ToDialogue to{draft, prompts};
    AttachDialogue attach{draft, prompts};
    RichTextEditor &editor = *pane.editor();

    void SetUp() override
    {
        pane.setDialogs(&to, &attach);
        to.setAddressNames([this] {
            QStringList names;
            for (const auto &row : ann.addresses.rows())
                names.append(row.entry.Name);
            return names;
        });
        pane.resize(900, 400);
        pane.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&pane));
        editor.setFocus();
    }
    template<typename T> T *find(const char *name) const
    {
        T *found = pane.findChild<T *>(QLatin1String(name));
        if (!found)
            found = to.findChild<T *>(QLatin1String(name));
        if (!found)
            found = attach.findChild<T *>(QLatin1String(name));
        EXPECT_TRUE(found) << name;
        return found;
    }
    QToolButton *button(const char *name) const { return find<QToolButton>(name); }
    // "plain bold" with "bold" bold.
    void writePartlyBold()
    {
        QTest::keyClicks(&editor, QStringLiteral("plain "));
        QTest::keyClick(&editor, Qt::Key_B, Qt::ControlModifier);
        QTest::keyClicks(&editor, QStringLiteral("bold"));
        QTest::keyClick(&editor, Qt::Key_B, Qt::ControlModifier);
    }
    void pickNames(const QStringList &names)
    {
        QListWidget *book = find<QListWidget>("ToListLB");
        book->clearSelection();
        for (const QString &name : names)
            book->findItems(name, Qt::MatchExactly).first()->setSelected(true);
        find<QPushButton>("ToAdrB")->click();
    }
    void drop(QWidget *target, const QStringList &paths)
    {
        QMimeData mime;
        QList<QUrl> urls;
        for (const QString &path : paths)
            urls.append(QUrl::fromLocalFile(path));
        mime.setUrls(urls);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &dropped);
    }
};

TEST_F(ComposeTest, APartlyBoldSelectionMarksTheBoldButtonWhichThenMakesTheWholeRangeBold)
{
    writePartlyBold();
    editor.select(0, 10);
    QToolButton *bold = button("NewBoldB");
    EXPECT_TRUE(ComposePane::isMarked(bold));
    EXPECT_FALSE(bold->isChecked());
    EXPECT_FALSE(ComposePane::isMarked(button("NewItalicB")));

    bold->click();
    EXPECT_EQ(editor.selBold(), std::optional<bool>(true));
    EXPECT_TRUE(bold->isChecked());
    EXPECT_FALSE(ComposePane::isMarked(bold));
}

// Ctrl+B, Ctrl+I and Ctrl+U and the context menu's entries do what the toolbar buttons do.
TEST_F(ComposeTest, KeysAndContextMenuEntriesFormatTheSelectionAndKeepTheButtonsInStep)
{
    struct Case
    {
        Qt::Key key;
        const char *button;
        std::optional<bool> (RichTextEditor::*read)() const;
    };
    const Case cases[] = {{Qt::Key_B, "NewBoldB", &RichTextEditor::selBold},
                          {Qt::Key_I, "NewItalicB", &RichTextEditor::selItalic},
                          {Qt::Key_U, "NewUnderlineB", &RichTextEditor::selUnderline}};
    QTest::keyClicks(&editor, QStringLiteral("word"));
    for (const Case &c : cases) {
        editor.select(0, 4);
        QTest::keyClick(&editor, c.key, Qt::ControlModifier);
        EXPECT_EQ((editor.*c.read)(), std::optional<bool>(true)) << c.button;
        EXPECT_TRUE(button(c.button)->isChecked()) << c.button;
        QTest::keyClick(&editor, c.key, Qt::ControlModifier);
        EXPECT_EQ((editor.*c.read)(), std::optional<bool>(false)) << c.button;
        EXPECT_FALSE(button(c.button)->isChecked()) << c.button;
    }

    auto *menu = editor.findChild<QMenu *>(QStringLiteral("NewPM"));
    ASSERT_TRUE(menu);
    QStringList entries;
    for (QAction *action : menu->actions())
        entries.append(action->text());
    EXPECT_EQ(entries, (QStringList{QStringLiteral("&Bold"), QStringLiteral("&Italic"), QStringLiteral("&Underline"), {},
                                    QStringLiteral("Cu&t"), QStringLiteral("&Copy"), QStringLiteral("&Paste"), {},
                                    QStringLiteral("Align &Left"), QStringLiteral("&Center"),
                                    QStringLiteral("Align &Right")}));
    menu->actions().at(0)->trigger();
    EXPECT_EQ(editor.selBold(), std::optional<bool>(true));
    EXPECT_TRUE(button("NewBoldB")->isChecked());
    menu->actions().at(9)->trigger();
    EXPECT_EQ(editor.selAlignment(), RichTextEditor::Alignment::Center);
    EXPECT_TRUE(button("NewCenterB")->isChecked());
    EXPECT_FALSE(button("NewLeftB")->isChecked());
}

TEST_F(ComposeTest, UndoAndRedoGoAcrossFormatting)
{
    QTest::keyClicks(&editor, QStringLiteral("word"));
    editor.select(0, 4);
    QTest::keyClick(&editor, Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(editor.selBold(), std::optional<bool>(true));
    QTest::keyClick(&editor, Qt::Key_Z, Qt::ControlModifier);
    editor.select(0, 4);
    EXPECT_EQ(editor.selBold(), std::optional<bool>(false));
    EXPECT_EQ(editor.text(), QStringLiteral("word"));
    QTest::keyClick(&editor, Qt::Key_Y, Qt::ControlModifier);
    editor.select(0, 4);
    EXPECT_EQ(editor.selBold(), std::optional<bool>(true));
}

// The first change of the size box after selecting text is not applied; the box's own update to
// the selection's size uses it up when the sizes differ.
TEST_F(ComposeTest, TheSizeBoxSkipsItsFirstChangeAfterASelection)
{
    struct Case
    {
        int boxBefore;
        int firstChangeSize; // the size after the user's first change
    };
    auto *size = find<QSpinBox>("SizeSE");
    for (const Case c : {Case{10, 10}, Case{14, 11}}) {
        editor.clear();
        QTest::keyClicks(&editor, QStringLiteral("text"));
        editor.select(0, 4);
        editor.setSelFontSize(10);
        editor.setSelStart(4);
        size->setValue(c.boxBefore);
        editor.select(0, 4);
        EXPECT_EQ(size->value(), 10);
        size->setValue(11);
        EXPECT_EQ(editor.selFontSize(), std::optional<double>(c.firstChangeSize)) << c.boxBefore;
        size->setValue(12);
        EXPECT_EQ(editor.selFontSize(), std::optional<double>(12)) << c.boxBefore;
    }
    // With nothing selected the change applies at once, to the text typed next.
    editor.setSelStart(4);
    size->setValue(20);
    QTest::keyClicks(&editor, QStringLiteral("x"));
    editor.select(4, 1);
    EXPECT_EQ(editor.selFontSize(), std::optional<double>(20));
}

TEST_F(ComposeTest, ClearAnsweredNoKeepsEverythingAndYesLeavesAnEmptyPaneWithTimesNewRoman12)
{
    const QString file = world.temp.file(QStringLiteral("a.txt"));
    test::writeFile(file, "a");
    find<QLineEdit>("SubjectE")->setText(QStringLiteral("Plans"));
    to.show();
    pickNames({QStringLiteral("Bob")});
    to.close();
    attach.AddFile(file);
    writePartlyBold();
    editor.select(0, 5);
    editor.setSelFontName(QStringLiteral("Arial"));
    editor.setSelFontSize(20);
    editor.setSelStart(10);

    prompts.answer = false;
    button("Cleari")->click();
    EXPECT_EQ(prompts.questions, QStringList{clearQuestionText()});
    EXPECT_EQ(editor.text(), QStringLiteral("plain bold"));
    EXPECT_EQ(items(find<QComboBox>("ToC")), QStringList{QStringLiteral("Bob")});
    EXPECT_EQ(draft.attachmentPaths(), QStringList{file});

    prompts.answer = true;
    button("Cleari")->click();
    EXPECT_TRUE(editor.text().isEmpty());
    EXPECT_TRUE(find<QLineEdit>("SubjectE")->text().isEmpty());
    EXPECT_EQ(find<QComboBox>("ToC")->count(), 0);
    EXPECT_EQ(find<QComboBox>("AttachC")->count(), 0);
    EXPECT_TRUE(items(find<QListWidget>("ToSelListLB")).isEmpty());
    EXPECT_TRUE(items(find<QListWidget>("AtachLV")).isEmpty());
    EXPECT_EQ(editor.selFontName(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(editor.selFontSize(), std::optional<double>(12));
    EXPECT_EQ(editor.selBold(), std::optional<bool>(false));
    EXPECT_EQ(editor.selAlignment(), RichTextEditor::Alignment::Left);
    QTest::keyClicks(&editor, QStringLiteral("new"));
    editor.select(0, 3);
    EXPECT_EQ(editor.selFontSize(), std::optional<double>(12));
    EXPECT_EQ(editor.selFontName(), QStringLiteral("Times New Roman"));
}

TEST_F(ComposeTest, TypingIntoTheAttachmentBoxNeverChangesItAndSaysWhatToUse)
{
    const QString file = world.temp.file(QStringLiteral("a.txt"));
    test::writeFile(file, "a");
    attach.AddFile(file);
    auto *box = find<QComboBox>("AttachC");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_X);
    EXPECT_EQ(prompts.notices, (QList<Notice>{{Notice::Code::AttachmentsNotEditable, Notice::Kind::Information, doNotEditAttachmentsText(), false}}));
    EXPECT_EQ(QApplication::focusWidget(), button("AttachB"));
    EXPECT_EQ(items(box), QStringList{QStringLiteral("a.txt")});
    EXPECT_TRUE(box->currentText().isEmpty());
    EXPECT_EQ(draft.attachmentPaths(), QStringList{file});
}

TEST_F(ComposeTest, AnnAddedTwiceIsListedTwiceAndRemovingEveryNameEmptiesTheRecipientBox)
{
    to.show();
    pickNames({QStringLiteral("Ann")});
    pickNames({QStringLiteral("Ann")});
    const QStringList twice{QStringLiteral("Ann"), QStringLiteral("Ann")};
    EXPECT_EQ(items(find<QListWidget>("ToSelListLB")), twice);
    auto *toC = find<QComboBox>("ToC");
    EXPECT_EQ(items(toC), twice);
    EXPECT_EQ(toC->currentText(), QStringLiteral("Ann"));

    find<QListWidget>("ToSelListLB")->selectAll();
    find<QPushButton>("RemoveTo")->click();
    EXPECT_EQ(toC->count(), 0);
    EXPECT_TRUE(toC->currentText().isEmpty());
    EXPECT_TRUE(draft.recipients().isEmpty());

    drop(&to, {world.temp.file(QStringLiteral("x.txt"))});
    EXPECT_EQ(prompts.beeps, 1);
}

TEST_F(ComposeTest, AFolderAndTwoFilesDroppedOnTheAttachmentDialogReportTheFolderAndAddTheFiles)
{
    const QString folder = world.temp.subfolder(QStringLiteral("docs"));
    const QString a = world.temp.file(QStringLiteral("a.txt"));
    const QString b = world.temp.file(QStringLiteral("b.png"));
    test::writeFile(a, "a");
    test::writeFile(b, "b");
    attach.show();
    drop(&attach, {a, folder, b});
    ASSERT_EQ(prompts.notices.size(), 1);
    EXPECT_EQ(prompts.notices[0].code, Notice::Code::AttachmentRefused);
    EXPECT_EQ(items(find<QListWidget>("AtachLV")), (QStringList{a, b}));
    // Closed by its close box, the dialog leaves the pane's box showing what will be sent.
    attach.close();
    EXPECT_EQ(items(find<QComboBox>("AttachC")), (QStringList{QStringLiteral("a.txt"), QStringLiteral("b.png")}));

    // Files dropped on the pane itself are attached as well.
    const QString c = world.temp.file(QStringLiteral("c.txt"));
    test::writeFile(c, "c");
    drop(editor.viewport(), {c});
    EXPECT_EQ(draft.attachmentPaths(), (QStringList{a, b, c}));
    EXPECT_TRUE(editor.text().isEmpty());
}

// However the attachment list changes, the next send gets a new identifier: recipients would
// drop the corrected message as a copy of the one sent before.
TEST_F(ComposeTest, EveryWayOfChangingTheAttachmentsAsksForANewIdentifier)
{
    const QString file = world.temp.file(QStringLiteral("a.txt"));
    test::writeFile(file, "a");
    const std::pair<const char *, std::function<void()>> ways[] = {
        {"dropped on the editor", [&] { drop(editor.viewport(), {file}); }},
        {"dropped on the pane", [&] { drop(&pane, {file}); }},
        {"Add, then Esc",
         [&] {
             prompts.files = {file};
             attach.show();
             find<QPushButton>("AddAttachB")->click();
             QTest::keyClick(&attach, Qt::Key_Escape);
         }},
        {"Remove, then the close box",
         [&] {
             attach.show();
             find<QListWidget>("AtachLV")->selectAll();
             find<QPushButton>("RemAttachB")->click();
             attach.close();
         }},
    };
    for (const auto &[way, change] : ways) {
        const QStringList before = draft.attachmentPaths();
        ann.outgoing.NewGuidNeeded = false;
        change();
        EXPECT_NE(draft.attachmentPaths(), before) << way;
        EXPECT_TRUE(ann.outgoing.NewGuidNeeded) << way;
        EXPECT_FALSE(attach.isVisible()) << way;
    }
}

// By keyboard alone: Tab goes names, Add, Remove, chosen names, OK; Enter on a name adds it and
// keeps the dialog open; Enter on OK closes it.
TEST_F(ComposeTest, TheRecipientDialogIsUsedByTabAndEnter)
{
    to.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&to));
    auto *book = find<QListWidget>("ToListLB");
    book->setFocus();
    QStringList order;
    for (int i = 0; i < 5; ++i) {
        order.append(QApplication::focusWidget()->objectName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(order, QStringList({u"ToListLB"_s, u"ToAdrB"_s, u"RemoveTo"_s, u"ToSelListLB"_s, u"SelAdrOK"_s}));

    book->setFocus();
    book->setCurrentItem(book->findItems(u"Bob"_s, Qt::MatchExactly).first());
    QTest::keyClick(book, Qt::Key_Return);
    EXPECT_EQ(draft.recipients(), QStringList{u"Bob"_s});
    EXPECT_TRUE(to.isVisible());
    find<QPushButton>("SelAdrOK")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(to.isVisible());
    EXPECT_EQ(draft.recipients(), QStringList{u"Bob"_s});
}

// Every control a screen reader reaches has a name.
TEST_F(ComposeTest, EveryControlOfThePaneAndTheDialogsHasAnAccessibleName)
{
    to.show();
    attach.show();
    int named = 0;
    for (QWidget *root : {static_cast<QWidget *>(&pane), static_cast<QWidget *>(&to), static_cast<QWidget *>(&attach)})
        named += test::expectNamedControls(QAccessible::queryAccessibleInterface(root), root->objectName());
    EXPECT_GE(named, 25);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&editor)->text(QAccessible::Name), QStringLiteral("Message"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(button("SendB"))->text(QAccessible::Name),
              QStringLiteral("Send Message"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(button("NewLeftB"))->text(QAccessible::Description),
              QStringLiteral("Aligns text at the left indent"));
}

// Ann writes a bold word, picks Bob, attaches a file and presses Send: Bob's check takes in the
// message with the bold word and the file.
TEST_F(ComposeTest, ASendFromThePaneReachesBobWithTheBoldWordAndTheAttachment)
{
    find<QLineEdit>("SubjectE")->setText(QStringLiteral("Plans"));
    writePartlyBold();
    to.show();
    pickNames({QStringLiteral("Bob")});
    find<QPushButton>("SelAdrOK")->click();
    const QString file = world.temp.file(QStringLiteral("plan.txt"));
    test::writeFile(file, "the plan");
    prompts.files = {file};
    attach.show();
    find<QPushButton>("AddAttachB")->click();
    find<QPushButton>("AttachOk")->click();
    EXPECT_EQ(items(find<QComboBox>("AttachC")), QStringList{QStringLiteral("plan.txt")});

    QSignalSpy ended(&pane, &ComposePane::sendEnded);
    button("SendB")->click();
    ASSERT_TRUE(ended.wait(30000));
    ASSERT_FALSE(prompts.notices.isEmpty());
    EXPECT_EQ(prompts.notices.last().text, messagesSentText());
    corvane::test::waitForCopies(ann.copies);
    EXPECT_EQ(editor.text(), QStringLiteral("plain bold")); // the draft stays
    EXPECT_FALSE(ann.outgoing.NewGuidNeeded);
    // A message just sent is no unsent work: replacing it asks nothing.
    EXPECT_TRUE(pane.mayReplaceDraft());
    EXPECT_TRUE(prompts.questions.isEmpty());
    // Any key in the subject or the body asks the next send for a new identifier.
    for (QWidget *edited : {static_cast<QWidget *>(find<QLineEdit>("SubjectE")), static_cast<QWidget *>(&editor)}) {
        ann.outgoing.NewGuidNeeded = false;
        QTest::keyClick(edited, Qt::Key_Shift);
        EXPECT_TRUE(ann.outgoing.NewGuidNeeded) << edited->objectName().toStdString();
    }

    test::MailUser &bob = *world.bob;
    bob.checkMail();
    corvane::test::waitForCopies(bob.copies);
    ASSERT_EQ(bob.storedSubjects(), QStringList{QStringLiteral("Plans")});
    RichTextEditor received;
    received.setTextRtf(bob.inbox.message(0).bodyRtf);
    received.select(6, 4);
    EXPECT_EQ(received.selBold(), std::optional<bool>(true));
    received.select(0, 5);
    EXPECT_EQ(received.selBold(), std::optional<bool>(false));
    EXPECT_EQ(test::readFile(bob.attachmentFile(0, QStringLiteral("plan.txt"))), QByteArray("the plan"));
}

} // namespace
