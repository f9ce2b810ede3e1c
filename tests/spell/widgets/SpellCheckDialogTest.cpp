#include "RichTextSpellEditor.h"

#include "spell/widgets/SpellCheckDialog.h"

#include "support/EventWait.h"
#include "support/Strings.h"
#include "support/TempFolder.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>

namespace corvane::spell {
namespace {

using corvane::test::strings;
using corvane::test::TempFolder;

// One dialog over one editor, with a scripted user who answers each waiting word in turn.
struct Desk
{
    TempFolder folder;
    DictionaryPaths paths;
    SpellCheckDialog dialog{[this] { return paths; }};
    test::RichTextEditor editor;
    test::RichTextSpellEditor edit{editor};
    SpellRun run{dialog};
    QStringList shown;   // each word the dialog waited on
    QStringList listed;  // and the suggestions list it showed, joined
    std::deque<std::function<void()>> answers;
    QStringList failures;

    explicit Desk(const QByteArray &words)
    {
        folder.write(QStringLiteral("Corvane.dic"), words);
        paths = {folder.file(QStringLiteral("Corvane.dic")), folder.file(QStringLiteral("Custom.dic"))};
        QObject::connect(&dialog, &SpellCheckDialog::waitingForAnswer, &dialog, [this](const QString &word) {
            shown << word;
            auto *list = dialog.findChild<QListWidget *>(QStringLiteral("SuggestionsSPLB"));
            QStringList items;
            for (int i = 0; i < list->count(); ++i)
                items << list->item(i)->text();
            listed << items.join(u'|') + (list->isEnabled() ? QString() : QStringLiteral(" (greyed)"));
            QTimer::singleShot(0, &dialog, [this] {
                if (answers.empty()) {
                    press("CloseSPB");
                    return;
                }
                auto next = std::move(answers.front());
                answers.pop_front();
                next();
            });
        }, Qt::DirectConnection);
        QObject::connect(&run, &SpellRun::failed, &run, [this](const corvane::core::Notice &notice) { failures << notice.text; });
    }
    void press(const char *name) { dialog.findChild<QPushButton *>(QString::fromLatin1(name))->click(); }
    std::function<void()> answer(const char *name) { return [this, name] { press(name); }; }
    std::function<void()> changeTo(const QString &text, const char *button = "ChangeSPB")
    {
        return [this, text, button] {
            dialog.findChild<QLineEdit *>(QStringLiteral("ChangeToSPLE"))->setText(text);
            press(button);
        };
    }
    void spell(const QString &text, int maxSuggestions = 30)
    {
        editor.setPlainText(text);
        spell(maxSuggestions);
    }
    // Presses the spell button and lets the scripted user answer until the run has ended.
    void spell(int maxSuggestions = 30)
    {
        run.ToolButton7Click(edit, maxSuggestions);
        EXPECT_TRUE(corvane::test::runEventsUntil(&run, &SpellRun::runningChanged, [this] { return !run.isRunning(); }));
    }
};

TEST(SpellCheckDialog, ChangeAllReplacesTheSameWordLaterInTheRunButNotAnotherCase)
{
    Desk d("the cat dog The");
    d.answers = {d.changeTo(QStringLiteral("the"), "ChangeAllSPB"), d.changeTo(QStringLiteral("The"))};
    d.spell(QStringLiteral("teh cat\nteh dog\nTeh"));
    EXPECT_EQ(d.shown, strings({"teh", "Teh"}));
    EXPECT_EQ(d.editor.text(), QStringLiteral("the cat\nthe dog\nThe"));
    EXPECT_FALSE(d.dialog.isVisible());

    d.answers = {d.answer("IgnoreSPB")}; // the list was emptied when the run closed the dialog
    d.shown.clear();
    d.spell(QStringLiteral("teh"));
    EXPECT_EQ(d.shown, strings({"teh"}));
}

TEST(SpellCheckDialog, IgnoreAllSkipsTheWordInAnyCaseInLaterRuns)
{
    Desk d("known");
    d.answers = {d.answer("IgnoreAllSPB")};
    d.spell(QStringLiteral("zorp known"));
    d.spell(QStringLiteral("Zorp zorp\nZORPed"));
    EXPECT_EQ(d.shown, strings({"zorp", "ZORPed"}));
}

TEST(SpellCheckDialog, SuggestionsAreLimitedAndNoneIsShownGreyed)
{
    Desk d("world word whirled");
    d.answers = {d.answer("IgnoreSPB"), d.answer("IgnoreSPB"), d.answer("IgnoreSPB")};
    d.spell(QStringLiteral("wurld"), 2);
    d.spell(QStringLiteral("wurld"), 0);
    d.spell(QStringLiteral("xqzv"), 30);
    EXPECT_EQ(d.listed, strings({"world|whirled", "{No Sugestions} (greyed)", "{No Sugestions} (greyed)"}));
}

TEST(SpellCheckDialog, AddKeepsTheWordAndPutsItInTheCustomDictionary)
{
    Desk d("world");
    d.answers = {d.answer("AddSPB")};
    d.spell(QStringLiteral("wrld wrld"));
    EXPECT_EQ(d.shown, strings({"wrld"}));
    EXPECT_EQ(d.editor.text(), QStringLiteral("wrld wrld"));
    EXPECT_EQ(d.folder.read(QStringLiteral("Custom.dic")), QByteArray("wrld\r\n"));
}

TEST(SpellCheckDialog, AddWithoutCustomDictionaryLeavesTheWordPending)
{
    Desk d("world");
    d.paths.customDictionary.clear();
    QStringList errors;
    d.dialog.setErrorHandler([&](const corvane::core::Notice &notice) { errors << notice.text; });
    d.answers = {[&] {
        d.press("AddSPB");
        EXPECT_TRUE(d.dialog.pending());
        d.press("ChangeSPB");
    }};
    d.spell(QStringLiteral("wrld"));
    EXPECT_EQ(errors, QStringList{noCustomDictionaryText()});
    EXPECT_EQ(d.editor.text(), QStringLiteral("world"));
}

TEST(SpellCheckDialog, ChangesInTheLastChunkKeepTheLaterWordsInPlace)
{
    Desk d("one first last world third");
    d.answers = {d.answer("IgnoreSPB"), d.answer("ChangeSPB"), d.answer("IgnoreSPB"), d.changeTo(QStringLiteral("last"))};
    d.spell(QStringLiteral("one\nzzz wrld thrd lst"));
    EXPECT_EQ(d.shown, strings({"zzz", "wrld", "thrd", "lst"}));
    EXPECT_EQ(d.editor.text(), QStringLiteral("one\nzzz world thrd last"));
}

TEST(SpellCheckDialog, SpellButtonDuringARunOnlyBringsTheDialogForward)
{
    Desk d("known");
    bool nestedReturned = false;
    d.answers = {[&] {
                     d.run.ToolButton7Click(d.edit, 30); // pressed again while the word waits
                     nestedReturned = true;
                     d.press("IgnoreSPB");
                 },
                 d.answer("IgnoreSPB")};
    d.spell(QStringLiteral("aaaa bbbb"));
    EXPECT_TRUE(nestedReturned);
    EXPECT_EQ(d.shown, strings({"aaaa", "bbbb"}));
    EXPECT_TRUE(d.failures.isEmpty());
}

TEST(SpellCheckDialog, CloseStopsTheRunButTheCloseBoxOnlyTheChunk)
{
    Desk d("known");
    d.answers = {d.answer("CloseSPB")};
    d.spell(QStringLiteral("aaaa bbbb cccc\n"));
    EXPECT_EQ(d.shown, strings({"aaaa"}));

    d.shown.clear();
    d.answers = {[&] { d.dialog.close(); }, d.answer("IgnoreSPB"), d.answer("IgnoreSPB")};
    d.spell(QStringLiteral("aaaa bbbb cccc\n")); // three chunks: each word before the last line break
    EXPECT_EQ(d.shown, strings({"aaaa", "bbbb", "cccc"}));
}

TEST(SpellCheckDialog, MissingDictionaryEndsTheRunAndIsReported)
{
    Desk d("known");
    d.paths.mainDictionary = d.folder.file(QStringLiteral("gone.dic"));
    d.spell(QStringLiteral("aaaa bbbb"));
    EXPECT_EQ(d.failures, QStringList{dictionaryNotFoundText()});
    EXPECT_TRUE(d.dialog.isVisible());
    EXPECT_FALSE(d.dialog.pending());
    d.spell(); // the dialog is still up: only brought forward
    EXPECT_EQ(d.failures.size(), 1);
    EXPECT_TRUE(d.shown.isEmpty());
}

TEST(SpellCheckDialog, ChangeIsNotWrittenOverTextTheUserEditedMeanwhile)
{
    Desk d("known");
    d.answers = {[&] {
        d.editor.setSelStart(0);
        d.editor.setSelText(QStringLiteral("New start. "));
        d.changeTo(QStringLiteral("fixed"))();
    }};
    d.spell(QStringLiteral("aaaa known"));
    EXPECT_EQ(d.failures, QStringList{messageChangedDuringCheckText()});
    EXPECT_EQ(d.editor.text(), QStringLiteral("New start. aaaa known"));
}

} // namespace
} // namespace corvane::spell
