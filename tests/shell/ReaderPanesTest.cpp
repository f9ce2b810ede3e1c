// The InBox and Sent Items commands and the Mail Reader as the window composes them.
#include "shell/widgets/ReaderPanes.h"
#include "shell/widgets/ListPanes.h"
#include "shell/widgets/WindowDesk.h"

#include "GridTexts.h"
#include "WindowProgram.h"
#include "support/Accessibility.h"
#include "support/OpenedStore.h"
#include "support/QtPrinters.h"
#include "support/StoreTexts.h"
#include "support/Strings.h"

#include "platform/XmlDocument.h"
#include "receiving/InboxStore.h"
#include "receiving/MailReading.h"
#include "receiving/widgets/InboxPane.h"
#include "receiving/widgets/MailReaderPane.h"
#include "receiving/widgets/NotifyIcon.h"
#include "richtext/widgets/RichTextEditor.h"
#include "sending/SentStore.h"
#include "sending/widgets/SentItemsPane.h"
#include "sortgrid/widgets/SortGrid.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QLabel>
#include <QTest>
#include <QTextDocument>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace corvane::shell;
using corvane::receiving::InboxStore;
using corvane::sortgrid::TSortGrid;
using corvane::test::dataColumn;
using corvane::test::inboxMessage;
using corvane::test::inboxStore;
using corvane::test::strings;

namespace {

using Program = corvane::test::WindowProgram;

struct FakeDesktop : corvane::receiving::Desktop
{
    QStringList files;
    QStringList folders;
    void openFile(const QString &path, const QString &) override { files.append(path); }
    void openFolder(const QString &folder) override { folders.append(folder); }
};

QByteArray dated(const char *from, const char *subject, const char *date, const QStringList &files = {})
{
    return inboxMessage(QLatin1String(from), QLatin1String(subject), files, QLatin1String(date));
}

// A ready program whose inbox holds the messages, sorted by the column, ascending, at every showing.
void prepare(Program &p, const QList<QByteArray> &messages, int sortColumn, Pane start = Pane::InBox)
{
    p.makeReady(static_cast<int>(start));
    p.ini().writeInteger(keys::columns, QStringLiteral("Inbox Sort"), sortColumn);
    p.ini().writeInteger(keys::columns, QStringLiteral("Inbox Sort Direction"), 0);
    p.app.write(corvane::receiving::kInboxStoreFileName, inboxStore(messages));
}

TSortGrid &inboxGrid(const Program &p)
{
    return *p.window->listPanes()->inbox()->grid();
}
corvane::receiving::MailReaderPane &reader(const Program &p)
{
    return *p.window->readerPanes()->reader();
}

QStringList storedSubjects(const Program &p, const char *file = "InBox.cvi")
{
    corvane::platform::XmlDocument copy;
    copy.loadFromFile(p.app.file(QLatin1String(file)));
    QStringList subjects;
    for (const pugi::xml_node &message : copy.root().child("Messages").children("Message"))
        subjects.append(QString::fromUtf8(message.child("Subject").attribute("Text").value()));
    return subjects;
}

QString storedReadMark(const Program &p, int position)
{
    return corvane::test::storeInFile<InboxStore>(p.app.file(QStringLiteral("InBox.cvi")))->shownMessage(position).read;
}

void pressKey(QWidget *widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QApplication::setActiveWindow(widget->window());
    ASSERT_TRUE(QTest::qWaitForWindowActive(widget->window()));
    widget->setFocus();
    QTest::keyClick(widget, key, modifiers);
}

QString shownSubject(const Program &p)
{
    return p.find<QLabel>("ReaderSubjectL")->text();
}

TEST(InboxCommands, DeleteRemovesTheMessageNamedByTheRowsNumberInADateSortedListOnlyOnYes)
{
    for (const bool yes : {false, true}) {
        Program p;
        prepare(
            p,
            {dated("Ann", "one", "2026-12-09"), dated("Bob", "two", "2026-12-07"), dated("Cid", "three", "2026-12-08")},
            4);
        p.fakes.messages.answer = yes;
        p.open();
        ASSERT_EQ(dataColumn(inboxGrid(p), 0), strings({"2", "3", "1"}));
        inboxGrid(p).setRow(1); // "Msg No." 2, the first visible row

        pressKey(&inboxGrid(p), Qt::Key_Delete);
        EXPECT_EQ(p.fakes.messages.questions, strings({"Are you sure you want to delete this message?"}));
        if (!yes) {
            EXPECT_EQ(storedSubjects(p), strings({"one", "two", "three"}));
            EXPECT_EQ(dataColumn(inboxGrid(p), 2), strings({"two", "three", "one"}));
            continue;
        }
        EXPECT_EQ(storedSubjects(p), strings({"one", "three"}));
        EXPECT_EQ(dataColumn(inboxGrid(p), 0), strings({"2", "1"})) << "renumbered, still by date";
        EXPECT_EQ(dataColumn(inboxGrid(p), 2), strings({"three", "one"}));
        EXPECT_EQ(inboxGrid(p).Row(), 1);
        EXPECT_EQ(p.front(), QStringLiteral("InBoxPan"));
        EXPECT_TRUE(p.fakes.messages.errors.isEmpty());
    }
}

TEST(InboxCommands, OpeningShowsTheHeaderMarksReadAtTheNextShowingAndSavesWhenTheWindowCloses)
{
    Program p;
    QByteArray toTwo = dated("Bob", "Plans", "2026-12-07");
    toTwo.replace("<Recipient Name=\"Ann\"/>", "<Recipient Name=\"Ann\"/><Recipient Name=\"Cid\"/>");
    prepare(p, {toTwo, dated("Cid", "Lunch", "2026-12-08")}, 2);
    p.open();
    ASSERT_EQ(dataColumn(inboxGrid(p), 2), strings({"Lunch", "Plans"}));
    inboxGrid(p).setRow(2);
    pressKey(&inboxGrid(p), Qt::Key_Return);

    EXPECT_EQ(p.front(), QStringLiteral("MailReaderPan"));
    EXPECT_EQ(p.highlighted(), static_cast<int>(Pane::MailReader));
    EXPECT_EQ(p.find<QLabel>("ReaderFromL")->accessibleName(), QStringLiteral("From: Bob"));
    EXPECT_EQ(p.find<QLabel>("ReaderSubjectL")->accessibleName(), QStringLiteral("Subject: Plans"));
    EXPECT_EQ(p.find<QLabel>("ReaderToL")->accessibleName(), QStringLiteral("To: Ann, Cid"));
    EXPECT_EQ(p.find<QLabel>("ReaderDateL")->accessibleName(), QStringLiteral("Date: 2026-12-07"));
    EXPECT_EQ(p.find<corvane::richtext::RichTextView>("ReadRichTextBox")->text(), QStringLiteral("Hello"));
    EXPECT_EQ(dataColumn(inboxGrid(p), 5), strings({"Unread", "Unread"})) << "until the InBox shows again";
    EXPECT_EQ(storedReadMark(p, 0), QStringLiteral("Unread")) << "opening does not save";

    p.click(Pane::InBox);
    EXPECT_EQ(dataColumn(inboxGrid(p), 5), strings({"Unread", "Read"}));
    p.window->close();
    EXPECT_EQ(storedReadMark(p, 0), QStringLiteral("Read"));
    EXPECT_TRUE(p.fakes.messages.errors.isEmpty());
}

TEST(InboxCommands, UnreadRowsAreBoldCountedOnTheInboxItemAndTrayAndMarkAsUnreadSetsTheMarkBack)
{
    Program p;
    prepare(p,
            {inboxMessage(QStringLiteral("Bob"), QStringLiteral("a"), {}, QStringLiteral("1"), QStringLiteral("Read")),
             dated("Cid", "b", "2"), dated("Dan", "c", "3")},
            2);
    p.open();
    auto *item = p.find<QToolButton>("InBoxObiItem");
    auto shows = [&](const QStringList &marks, const QString &caption, const QString &hint) {
        EXPECT_EQ(dataColumn(inboxGrid(p), 5), marks);
        for (int row = 1; row < inboxGrid(p).RowCount(); ++row) {
            corvane::sortgrid::TFormatOptions format;
            inboxGrid(p).DefaultCellFormat(format, {});
            inboxGrid(p).OnGetCellFormat(&inboxGrid(p), 2, row, {}, format);
            EXPECT_EQ(format.Font.bold(), inboxGrid(p).Cells(5, row) == QStringLiteral("Unread")) << row;
        }
        EXPECT_EQ(item->text(), caption);
        EXPECT_EQ(item->accessibleName(), caption);
        EXPECT_EQ(p.window->desk()->notifyIcon()->hint(), hint);
    };
    shows(strings({"Read", "Unread", "Unread"}), QStringLiteral("InBox (2)"), QStringLiteral("Corvane - Ann: 2 unread messages"));

    inboxGrid(p).setRow(2);
    p.click(Pane::MailReader);
    p.click(Pane::InBox);
    shows(strings({"Read", "Read", "Unread"}), QStringLiteral("InBox (1)"), QStringLiteral("Corvane - Ann: 1 unread message"));

    inboxGrid(p).setRow(1);
    pressKey(&inboxGrid(p), Qt::Key_U, Qt::ControlModifier); // Mark as Unread
    EXPECT_EQ(inboxGrid(p).Row(), 1);
    shows(strings({"Unread", "Read", "Unread"}), QStringLiteral("InBox (2)"), QStringLiteral("Corvane - Ann: 2 unread messages"));
    p.window->close();
    EXPECT_EQ(storedReadMark(p, 0), QStringLiteral("Unread"));
    EXPECT_TRUE(p.fakes.messages.errors.isEmpty());
}

TEST(MailReader, PreviousAndNextFollowTheVisibleRowsAndStopAtEitherEnd)
{
    Program p;
    prepare(p, {dated("Ann", "b", "1"), dated("Bob", "c", "2"), dated("Cid", "a", "3")}, 2);
    p.open();
    inboxGrid(p).setRow(1);
    p.click(Pane::MailReader);
    ASSERT_EQ(shownSubject(p), QStringLiteral("a"));

    auto press = [&](const char *button) {
        p.find<QToolButton>(button)->click();
        QCoreApplication::processEvents(); // the load waits for the window to be idle
    };
    press("PreviousMsgB");
    EXPECT_EQ(inboxGrid(p).Row(), 1);
    EXPECT_EQ(shownSubject(p), QStringLiteral("a"));
    press("NextMsgB");
    EXPECT_EQ(shownSubject(p), QStringLiteral("b")) << "the next visible row, Msg No. 1";
    press("NextMsgB");
    EXPECT_EQ(shownSubject(p), QStringLiteral("c"));
    press("NextMsgB");
    EXPECT_EQ(inboxGrid(p).Row(), 3);
    EXPECT_EQ(shownSubject(p), QStringLiteral("c"));
    EXPECT_EQ(reader(p).shownPosition(), std::optional<int>(1));
    EXPECT_TRUE(p.fakes.messages.errors.isEmpty());
}

TEST(MailReader, HeldNextLeavesOneLoadWaitingAndShowsTheRowItStoppedOn)
{
    Program p;
    QList<QByteArray> messages;
    for (char c = 'a'; c <= 'j'; ++c)
        messages.append(dated("Ann", QByteArray(1, c).constData(), "1"));
    prepare(p, messages, 2);
    p.open();
    inboxGrid(p).setRow(1);
    p.click(Pane::MailReader);
    for (int i = 0; i < 5; ++i) {
        p.find<QToolButton>("NextMsgB")->click();
        EXPECT_LE(reader(p).pendingLoads(), 1);
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(reader(p).pendingLoads(), 0);
    EXPECT_EQ(shownSubject(p), QStringLiteral("f"));
}

TEST(MailReader, ALongBodyShowsItsBeginningAtOnceAndTheWholeOnceRead)
{
    Program p;
    QByteArray body = "{\\rtf1 ";
    while (body.size() < corvane::receiving::MailReaderPane::kBodyShownAtOnce * 2)
        body += "Some words of a long message.\\par ";
    body += "END}";
    QByteArray message = inboxMessage(QStringLiteral("Ann"), QStringLiteral("Long"));
    message.replace("{\\rtf1 Hello}", body);
    prepare(p, {message}, 2);
    p.open();
    inboxGrid(p).setRow(1);
    p.click(Pane::MailReader);
    auto *view = p.find<corvane::richtext::RichTextView>("ReadRichTextBox");
    EXPECT_TRUE(view->text().startsWith(QStringLiteral("Some words")));
    EXPECT_FALSE(view->text().endsWith(QStringLiteral("END")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return view->text().endsWith(QStringLiteral("END")); }, 10000));
    EXPECT_FALSE(reader(p).bodyReading());
}

TEST(MailReader, WithoutASelectedMessageOrWithARowThatNamesNoneItSaysSoOnce)
{
    Program p;
    prepare(p, {dated("Ann", "a", "1")}, 2, Pane::Settings);
    p.open();
    p.click(Pane::MailReader);
    EXPECT_EQ(p.fakes.messages.errors, strings({"You need to select a message to read first"}))
        << "the InBox was never shown";

    p.click(Pane::InBox);
    inboxGrid(p).setRow(1);
    inboxGrid(p).setCells(0, 1, QString()); // a row whose number stays empty after the refill
    p.fakes.messages.errors.clear();
    p.click(Pane::MailReader);
    EXPECT_EQ(p.fakes.messages.errors, strings({"You need to select a message to read first"}));
    EXPECT_EQ(storedReadMark(p, 0), QStringLiteral("Unread"));
}

TEST(MailReader, WithNoMessageToShowItIsEmptiedAndStaysBehindTheErrorBox)
{
    Program p;
    prepare(p, {dated("Bob", "Files", "1", {QStringLiteral("notes.txt")})}, 2);
    corvane::test::writeFile(p.app.subfolder(QStringLiteral("inbox")) + QStringLiteral("notes.txt"), "hello");
    p.open();
    FakeDesktop desktop;
    p.window->readerPanes()->setDesktop(desktop);
    inboxGrid(p).setRow(1);
    p.click(Pane::MailReader);
    ASSERT_EQ(shownSubject(p), QStringLiteral("Files"));

    p.find<QToolButton>("DeleteMsgI")->click(); // the last message goes
    ASSERT_EQ(storedSubjects(p), QStringList());
    EXPECT_EQ(p.front(), QStringLiteral("InBoxPan"));
    EXPECT_EQ(shownSubject(p), QString());
    EXPECT_EQ(p.find<QLabel>("ReaderFromL")->text(), QString());
    EXPECT_EQ(p.find<corvane::richtext::RichTextView>("ReadRichTextBox")->text(), QString());
    EXPECT_EQ(p.find<QComboBox>("ReaderAttachC")->count(), 0);
    for (const char *command : {"RunAttachI", "ReplyI", "ToolButton6", "DeleteMsgI"})
        EXPECT_FALSE(p.find<QToolButton>(command)->isEnabled()) << command;
    p.find<QToolButton>("RunAttachI")->click();
    EXPECT_TRUE(desktop.files.isEmpty());

    p.click(Pane::MailReader);
    EXPECT_EQ(p.fakes.messages.errors, strings({"You need to select a message to read first"}));
    EXPECT_EQ(p.front(), QStringLiteral("InBoxPan")) << "the box comes first, and the reader stays behind";
    EXPECT_EQ(p.highlighted(), static_cast<int>(Pane::InBox));
}

TEST(MailReader, AttachmentsOpenFromTheMessagesOwnFolderUnlessMissingOrNotAFileName)
{
    Program p;
    QByteArray message =
        dated("Bob", "Files", "1", {QStringLiteral("notes.txt"), QStringLiteral("gone.pdf"), QStringLiteral("../escape.txt")});
    message.replace("<Message ", "<Message GUID=\"{B0B}\" ");
    prepare(p, {message}, 2);
    const QString inbox = p.app.subfolder(QStringLiteral("inbox"));
    const QString kept = p.app.subfolder(QStringLiteral("Attachments/{B0B}"));
    corvane::test::writeFile(kept + QStringLiteral("notes.txt"), "hello");
    corvane::test::writeFile(inbox + QStringLiteral("notes.txt"), "another message's");
    corvane::test::writeFile(p.app.file(QStringLiteral("escape.txt")), "outside");
    p.open();
    FakeDesktop desktop;
    p.window->readerPanes()->setDesktop(desktop);
    inboxGrid(p).setRow(1);
    p.click(Pane::MailReader);

    auto *combo = p.find<QComboBox>("ReaderAttachC");
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->currentText(), QStringLiteral("notes.txt"));
    p.find<QToolButton>("RunAttachI")->click();
    EXPECT_EQ(desktop.files, QStringList{kept + QStringLiteral("notes.txt")});

    for (int item : {1, 2}) {
        combo->setCurrentIndex(item);
        p.fakes.messages.errors.clear();
        p.find<QToolButton>("RunAttachI")->click();
        ASSERT_EQ(p.fakes.messages.errors.size(), 1);
        EXPECT_TRUE(p.fakes.messages.errors[0].contains(combo->itemText(item)))
            << p.fakes.messages.errors[0].toStdString();
    }
    EXPECT_EQ(desktop.files.size(), 1);

    p.find<QToolButton>("OpinInboxI")->click();
    EXPECT_EQ(desktop.folders, QStringList{inbox});
}

TEST(MailReader, AnAttachmentIsSavedWhereTheUserChoosesAndAnOpeningNoProgramTookIsReported)
{
    Program p;
    prepare(p, {dated("Bob", "Files", "1", {QStringLiteral("notes.txt")})}, 2);
    const QString inbox = p.app.subfolder(QStringLiteral("inbox"));
    corvane::test::writeFile(inbox + QStringLiteral("notes.txt"), "hello");
    // The desktop's opener finds no program for anything.
    const QString bin = p.app.subfolder(QStringLiteral("bin"));
    corvane::test::writeFile(bin + QStringLiteral("xdg-open"), "#!/bin/sh\nexit 3\n");
    QFile::setPermissions(bin + QStringLiteral("xdg-open"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin) + ':' + path);
    const auto restorePath = qScopeGuard([&] { qputenv("PATH", path); });
    p.open();
    inboxGrid(p).setRow(1);
    p.click(Pane::MailReader);

    const QString copy = p.app.file(QStringLiteral("kept.txt"));
    p.fakes.dialogs.fileAnswer = copy;
    p.find<QToolButton>("SaveAttachI")->click();
    EXPECT_TRUE(p.fakes.dialogs.askedStart.endsWith(QStringLiteral("notes.txt")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return p.window->mail().copies.running() == 0; }, 10000));
    QFile saved(copy);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), QByteArray("hello"));

    p.find<QToolButton>("RunAttachI")->click();
    p.find<QToolButton>("OpinInboxI")->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return p.fakes.messages.errors.size() == 2; }, 10000));
    QStringList errors = p.fakes.messages.errors; // the two openers end in either order
    errors.sort();
    EXPECT_EQ(errors, (QStringList{QStringLiteral("No program could be started to open \"%1\".")
                                       .arg(QDir::toNativeSeparators(inbox + QStringLiteral("notes.txt"))),
                                   QStringLiteral("No program could be started to open the folder \"%1\".")
                                       .arg(QDir::toNativeSeparators(inbox))}));
}

TEST(MailReader, ExportAsPdfWritesTheHeaderThenTheFormattedBodyWhereTheUserChooses)
{
    Program p;
    prepare(p, {dated("Bob", "Plans", "2026-12-07")}, 2);
    p.open();
    inboxGrid(p).setRow(1);
    p.click(Pane::MailReader);
    const std::unique_ptr<QTextDocument> printed = reader(p).printableShown();
    ASSERT_TRUE(printed);
    EXPECT_EQ(printed->toPlainText().split(QLatin1Char('\n')),
              strings({"From: Bob", "Date: 2026-12-07", "To: Ann", "Subject: Plans", "", "Hello"}));

    const QString pdf = p.app.file(QStringLiteral("plans.pdf"));
    p.fakes.dialogs.fileAnswer = pdf;
    p.find<QToolButton>("ExportPdfI")->click();
    EXPECT_TRUE(p.fakes.dialogs.askedStart.endsWith(QStringLiteral("Plans.pdf")));
    QFile written(pdf);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.read(5) == "%PDF-");
    EXPECT_TRUE(p.fakes.messages.errors.isEmpty());
}

TEST(SentCommands, DeletingTheLastVisibleRowRemovesItsMessageAndSelectsTheRowAbove)
{
    Program p;
    p.makeReady(static_cast<int>(Pane::SentItems));
    p.ini().writeInteger(keys::columns, QStringLiteral("Sent Sort"), 2);
    p.ini().writeInteger(keys::columns, QStringLiteral("Sent Sort Direction"), 0);
    auto sent = [](const char *subject) {
        return corvane::test::sentMessage({QStringLiteral("Bob")}, QLatin1String(subject), {}, QStringLiteral("1"));
    };
    p.app.write(corvane::sending::kSentStoreFileName, corvane::test::sentStore({sent("c"), sent("a"), sent("b")}));
    p.open();
    TSortGrid &grid = *p.window->listPanes()->sent()->grid();
    ASSERT_EQ(dataColumn(grid, 2), strings({"a", "b", "c"}));

    grid.setRow(3); // "c", Msg No. 1
    p.fakes.messages.answer = false;
    p.find<QToolButton>("DeleteSentI")->click();
    EXPECT_EQ(storedSubjects(p, "Sent Items.cva"), strings({"c", "a", "b"}));

    p.fakes.messages.answer = true;
    p.find<QToolButton>("DeleteSentI")->click();
    EXPECT_EQ(storedSubjects(p, "Sent Items.cva"), strings({"a", "b"}));
    EXPECT_EQ(dataColumn(grid, 0), strings({"1", "2"}));
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(p.front(), QStringLiteral("SentPan"));
    EXPECT_EQ(p.fakes.messages.questions.size(), 2);
}

TEST(ListCommands, RowsPickedTogetherInTheInboxOrSentItemsGoAfterOneQuestionNamingHowMany)
{
    struct Case
    {
        Pane pane;
        const char *grid;
        const char *file;
        const char *button;
    };
    for (const Case &c : {Case{Pane::InBox, "inboxSG", "InBox.cvi", "DeleteInboxMsgI"},
                          Case{Pane::SentItems, "SentSG", "Sent Items.cva", "DeleteSentI"}}) {
        SCOPED_TRACE(c.file);
        Program p;
        prepare(p, {dated("Ann", "c", "1"), dated("Bob", "a", "2"), dated("Cid", "d", "3"), dated("Dan", "b", "4")},
                2, c.pane);
        p.ini().writeInteger(keys::columns, QStringLiteral("Sent Sort"), 2);
        p.ini().writeInteger(keys::columns, QStringLiteral("Sent Sort Direction"), 0);
        auto sent = [](const char *subject) {
            return corvane::test::sentMessage({QStringLiteral("Bob")}, QLatin1String(subject), {}, QStringLiteral("1"));
        };
        p.app.write(corvane::sending::kSentStoreFileName,
                    corvane::test::sentStore({sent("c"), sent("a"), sent("d"), sent("b")}));
        p.open();
        auto *grid = p.find<TSortGrid>(c.grid);
        ASSERT_EQ(dataColumn(*grid, 2), strings({"a", "b", "c", "d"}));
        auto click = [&](int row, Qt::KeyboardModifiers modifiers) {
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, modifiers,
                              grid->visualRect(grid->gridData().cellIndex(2, row)).center());
        };
        click(1, {});
        click(3, Qt::ControlModifier); // "a" and "c"
        p.fakes.messages.answer = false;
        p.find<QToolButton>(c.button)->click();
        EXPECT_EQ(p.fakes.messages.questions, strings({"Are you sure you want to delete these 2 messages?"}));
        EXPECT_EQ(storedSubjects(p, c.file), strings({"c", "a", "d", "b"}));

        p.fakes.messages.answer = true;
        p.find<QToolButton>(c.button)->click();
        EXPECT_EQ(storedSubjects(p, c.file), strings({"d", "b"}));
        EXPECT_EQ(dataColumn(*grid, 2), strings({"b", "d"}));
        grid->setRow(2);
        p.find<QToolButton>(c.button)->click();
        EXPECT_FALSE(p.fakes.messages.questions.last().contains(QStringLiteral("these"))) << "one row, one message";
        EXPECT_EQ(storedSubjects(p, c.file), strings({"b"}));
        EXPECT_TRUE(p.fakes.messages.errors.isEmpty());
    }
}

TEST(ReaderAccessibility, EveryControlOfTheInboxReaderAndSentPanesIsNamed)
{
    Program p;
    prepare(p, {dated("Ann", "Plans", "1", {QStringLiteral("a.txt")})}, 2);
    p.open();
    inboxGrid(p).setRow(1);
    p.click(Pane::MailReader);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(p.find<QWidget>("ReaderSubjectL"))->text(QAccessible::Name),
              QStringLiteral("Subject: Plans"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(p.find<QWidget>("ReadRichTextBox"))->text(QAccessible::Name),
              QStringLiteral("Message"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(p.find<QWidget>("NextMsgB"))->text(QAccessible::Name),
              QStringLiteral("Next"));
    // The least number of controls each pane shows: the walk reaches them all.
    const std::pair<const char *, int> panes[] = {{"MailReaderPan", 17}, {"InBoxPan", 5}, {"SentPan", 4}};
    for (const auto &[pane, controls] : panes) {
        p.window->panes()->setCurrentWidget(p.find<QWidget>(pane));
        QAccessibleInterface *node = QAccessible::queryAccessibleInterface(p.find<QWidget>(pane));
        EXPECT_GE(corvane::test::expectNamedControls(node, QLatin1String(pane), {.labelsAreControls = true}), controls)
            << pane;
    }
}

} // namespace
