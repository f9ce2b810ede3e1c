// The program's own help window on the shipped help document: no desktop browser is involved.
#include "shell/widgets/HelpWindow.h"

#include "shell/HelpTopics.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace corvane::shell;

namespace {

const QString kProgramFolder = QStringLiteral(CORVANE_PROGRAM_DIR "/");

// The text of the block shown at the top of the view.
QString topLine(const QTextBrowser *browser)
{
    return browser->cursorForPosition(QPoint(4, 4)).block().text();
}

TEST(HelpWindow, OpensAtThePanesTopicAndGoesBackAndForwardByButtonAndKey)
{
    HelpWindow window;
    QTextBrowser *browser = window.browser();
    auto *back = window.findChild<QToolButton *>(QStringLiteral("HelpBackB"));
    auto *forward = window.findChild<QToolButton *>(QStringLiteral("HelpForwardB"));
    window.showAddress(helpUrl(kProgramFolder, help::kNew));
    ASSERT_TRUE(window.isVisible());
    EXPECT_TRUE(topLine(browser).startsWith(QStringLiteral("Writing a message"))) << topLine(browser).toStdString();
    EXPECT_FALSE(back->isEnabled());

    window.showAddress(helpUrl(kProgramFolder, help::kSettings));
    EXPECT_EQ(topLine(browser), QStringLiteral("Settings"));
    back->click();
    EXPECT_EQ(browser->source().fragment(), helpAnchor(help::kNew));
    ASSERT_TRUE(forward->isEnabled());
    forward->click();
    EXPECT_EQ(browser->source().fragment(), helpAnchor(help::kSettings));

    QApplication::setActiveWindow(&window);
    QTest::keyClick(browser, Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(browser->source().fragment(), helpAnchor(help::kNew));
    QTest::keyClick(browser, Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(browser->source().fragment(), helpAnchor(help::kSettings));
    QTest::keyClick(browser, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

TEST(HelpWindow, FindStartsAtThePlaceInViewGoesRoundBothWaysAndSaysWhenTheTextIsNowhere)
{
    HelpWindow window;
    window.showAddress(helpUrl(kProgramFolder, help::kSettings));
    QTextBrowser *browser = window.browser();
    const int top = browser->cursorForPosition(QPoint(4, 4)).position();
    auto *field = window.findChild<QLineEdit *>(QStringLiteral("HelpFindE"));
    field->setText(QStringLiteral("main.ini"));

    window.findChild<QToolButton *>(QStringLiteral("HelpFindNextB"))->click();
    const int first = browser->textCursor().selectionStart();
    EXPECT_GE(first, top);
    EXPECT_EQ(browser->textCursor().selectedText(), QStringLiteral("main.ini"));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_GT(browser->textCursor().selectionStart(), first);
    window.findChild<QToolButton *>(QStringLiteral("HelpFindPreviousB"))->click();
    EXPECT_EQ(browser->textCursor().selectionStart(), first);
    // Before the document's beginning comes its last place.
    browser->moveCursor(QTextCursor::Start);
    EXPECT_TRUE(window.findNext(true));
    EXPECT_GT(browser->textCursor().selectionStart(), first);

    const int before = browser->textCursor().selectionStart();
    field->setText(QStringLiteral("no such words"));
    EXPECT_FALSE(window.findNext());
    EXPECT_EQ(browser->textCursor().selectionStart(), before);
    EXPECT_FALSE(window.findChild<QLabel *>(QStringLiteral("HelpFindNoteL"))->text().isEmpty());
}

} // namespace
