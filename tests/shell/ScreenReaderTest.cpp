// The window as a screen reader meets it: every control that takes the focus has a name, and a
// message can be read, answered and sent through the accessibility interface alone.
#include "shell/widgets/ComposeParts.h"
#include "shell/widgets/CopiesWaitDialog.h"
#include "shell/widgets/HelpWindow.h"

#include "WindowProgram.h"
#include "support/Accessibility.h"
#include "support/StoreTexts.h"

#include "receiving/InboxStore.h"
#include "sending/SentStore.h"
#include "sending/widgets/AttachDialogue.h"
#include "sending/widgets/ComposePane.h"
#include "sending/widgets/ToDialogue.h"
#include "sortgrid/widgets/SortGrid.h"
#include "receiving/widgets/InboxPane.h"
#include "shell/widgets/ListPanes.h"
#include "spell/widgets/SpellCheckDialog.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace corvane::shell;
using namespace Qt::StringLiterals;

namespace {

using Program = corvane::test::WindowProgram;

QAccessibleInterface *accessible(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

// Every pane (each settings page in turn) and every dialog the window opens on its own.
TEST(ScreenReader, EveryFocusableControlOfEveryPaneAndDialogHasAName)
{
    Program p;
    p.makeReady(static_cast<int>(Pane::InBox));
    p.app.write(corvane::receiving::kInboxStoreFileName,
                corvane::test::inboxStore({corvane::test::inboxMessage(u"Bob"_s, u"Plans"_s, {u"plan.txt"_s})}));
    p.open();
    p.window->listPanes()->inbox()->grid()->setRow(1); // the Mail Reader has a message to show
    QStringList unnamed;
    for (const PaneInfo &info : paneTable()) {
        p.window->showPane(info.pane);
        if (p.front() != info.paneName) {
            ADD_FAILURE() << "not shown: " << info.paneName.toStdString();
            continue;
        }
        if (info.pane == Pane::Settings) {
            auto *tabs = p.find<QTabWidget>("SettingsTabs");
            for (int page = 0; page < tabs->count(); ++page) {
                tabs->setCurrentIndex(page);
                unnamed += corvane::test::unnamedFocusableControls(accessible(p.window.get()), tabs->tabText(page));
            }
        } else {
            unnamed += corvane::test::unnamedFocusableControls(accessible(p.window.get()), info.paneName);
        }
    }

    ComposeParts &compose = *p.window->compose();
    corvane::shell::HelpWindow help(p.window.get());
    CopiesWaitDialog copies(p.window->mail().copies, p.window.get());
    for (QWidget *dialog : std::initializer_list<QWidget *>{
             compose.toDialogue(), compose.attachDialogue(),
             p.window->findChild<corvane::spell::SpellCheckDialog *>(), &help, &copies}) {
        ASSERT_TRUE(dialog);
        dialog->show();
        unnamed += corvane::test::unnamedFocusableControls(accessible(dialog), dialog->objectName());
        dialog->hide();
    }
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(u'\n').toStdString();
}

// Press the control with this name, as a screen reader's user does.
void press(QAccessibleInterface *root, const QString &name)
{
    QAccessibleInterface *control = corvane::test::findNamed(root, name);
    ASSERT_TRUE(control) << name.toStdString();
    ASSERT_TRUE(control->actionInterface()) << name.toStdString();
    control->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

// Ann reads Bob's message, answers it and sends the answer without seeing the window.
TEST(ScreenReader, AMessageIsReadRepliedToAndSentThroughTheAccessibilityInterface)
{
    Program p;
    p.makeReady(static_cast<int>(Pane::InBox));
    p.app.write(corvane::receiving::kInboxStoreFileName,
                corvane::test::inboxStore({corvane::test::inboxMessage(u"Bob"_s, u"Plans"_s)}));
    p.open();
    const QString bobInbox = p.app.subfolder(u"bob"_s);
    p.window->mail().addresses.append({u"Bob"_s, bobInbox, {}, false});
    QAccessibleInterface *window = accessible(p.window.get());

    QAccessibleInterface *inbox = corvane::test::findNamed(window, u"Received messages"_s);
    ASSERT_TRUE(inbox && inbox->tableInterface());
    inbox->tableInterface()->selectRow(0);
    press(window, u"Mail Reader"_s);
    ASSERT_EQ(p.front(), u"MailReaderPan"_s);
    EXPECT_TRUE(corvane::test::findNamed(window, u"Subject: Plans"_s));
    QAccessibleInterface *body = corvane::test::findNamed(window, u"Message"_s);
    ASSERT_TRUE(body && body->textInterface());
    EXPECT_EQ(body->textInterface()->text(0, body->textInterface()->characterCount()).trimmed(), u"Hello"_s);

    press(window, u"Reply"_s);
    ASSERT_EQ(p.front(), u"NewPan"_s);
    QAccessibleInterface *message = corvane::test::findNamed(window, u"Message"_s);
    ASSERT_TRUE(message && message->editableTextInterface());
    message->editableTextInterface()->insertText(0, u"See you there"_s);
    QSignalSpy ended(p.window->compose()->pane(), &corvane::sending::ComposePane::sendEnded);
    press(window, u"Send Message"_s);
    ASSERT_TRUE(ended.count() > 0 || ended.wait(10000));

    const QStringList delivered = QDir(bobInbox).entryList(QDir::Files);
    ASSERT_EQ(delivered.size(), 1) << delivered.join(u' ').toStdString();
    QFile file(QDir(bobInbox).filePath(delivered.first()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    EXPECT_TRUE(written.contains("RE: Plans"));
    EXPECT_TRUE(written.contains("See you there"));
    EXPECT_TRUE(p.fakes.messages.errors.isEmpty()) << p.fakes.messages.errors.join(u'\n').toStdString();
}

} // namespace
