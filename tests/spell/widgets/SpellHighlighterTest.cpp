#include "RichTextSpellEditor.h"

#include "spell/widgets/SpellHighlighter.h"

#include "spell/SpellChecker.h"

#include "support/TempFolder.h"

#include <QMenu>
#include <QTextBlock>
#include <QTextLayout>

#include <gtest/gtest.h>

namespace corvane::spell {
namespace {

using corvane::test::TempFolder;

struct Page
{
    TempFolder folder;
    SpellChecker checker;
    test::RichTextEditor editor;
    SpellHighlighter *highlighter = nullptr;

    explicit Page(const QByteArray &words, const QString &text)
    {
        folder.write(QStringLiteral("Corvane.dic"), words);
        checker.Dictionary = folder.file(QStringLiteral("Corvane.dic"));
        checker.CustomDictionary = folder.file(QStringLiteral("Custom.dic"));
        editor.setPlainText(text);
        highlighter = new SpellHighlighter(checker, editor.document());
        highlighter->rehighlight(); // at once rather than from the event loop
        editor.resize(400, 300);
        editor.show();
    }
    // The underlined stretches of every paragraph, as "paragraph:start+length".
    QStringList underlined() const
    {
        QStringList found;
        for (QTextBlock b = editor.document()->begin(); b.isValid(); b = b.next()) {
            for (const QTextLayout::FormatRange &r : b.layout()->formats()) {
                if (r.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline)
                    found << QStringLiteral("%1:%2+%3").arg(b.blockNumber()).arg(r.start).arg(r.length);
            }
        }
        return found;
    }
    QPoint pointAt(int position)
    {
        QTextCursor c(editor.document());
        c.setPosition(position);
        return editor.cursorRect(c).center() + QPoint(2, 0);
    }
};

TEST(SpellHighlighter, UnderlinesUnknownWordsPerParagraphOnlyOnScreen)
{
    // "(wrld)." is checked as "wrld)", as the spell check does.
    Page page("the world fine", QStringLiteral("Teh world\nfine (wrld)."));
    EXPECT_EQ(page.underlined(), (QStringList{QStringLiteral("0:0+3"), QStringLiteral("1:6+5")}));

    test::RichTextEditor plain;
    plain.setPlainText(page.editor.toPlainText());
    EXPECT_EQ(page.editor.textRtf(), plain.textRtf()); // nothing of the underline enters the RTF

    QTextCursor c(page.editor.document()->lastBlock());
    c.insertText(QStringLiteral("wrold "));
    EXPECT_EQ(page.underlined(),
              (QStringList{QStringLiteral("0:0+3"), QStringLiteral("1:0+5"), QStringLiteral("1:12+5")}));

    page.highlighter->setEnabled(false);
    EXPECT_TRUE(page.underlined().isEmpty());
}

TEST(SpellHighlighter, ContextMenuOffersSuggestionsIgnoreAllAndAdd)
{
    Page page("a here word ward wired weird wart wort worded wordy warty world weirdo waird", QStringLiteral("a wrd here"));
    QStringList errors;
    const auto onError = [&](const corvane::core::Notice &notice) { errors << notice.text; };

    QMenu menu;
    menu.addAction(QStringLiteral("Copy"));
    EXPECT_FALSE(addSpellingActions(&menu, &page.editor, page.pointAt(8), page.checker, page.highlighter, 30, onError));
    EXPECT_EQ(menu.actions().size(), 1);

    ASSERT_TRUE(addSpellingActions(&menu, &page.editor, page.pointAt(3), page.checker, page.highlighter, 30, onError));
    QStringList texts;
    for (QAction *a : menu.actions())
        texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
    // At most ten suggestions, in dictionary order ("world" does not sound alike).
    EXPECT_EQ(texts, (QStringList{QStringLiteral("word"), QStringLiteral("ward"), QStringLiteral("wired"),
                                  QStringLiteral("weird"), QStringLiteral("wart"), QStringLiteral("wort"),
                                  QStringLiteral("worded"), QStringLiteral("wordy"), QStringLiteral("warty"),
                                  QStringLiteral("weirdo"), QStringLiteral("-"), QStringLiteral("Ignore All"),
                                  QStringLiteral("Add to Dictionary"), QStringLiteral("-"), QStringLiteral("Copy")}));

    QMenu few;
    ASSERT_TRUE(addSpellingActions(&few, &page.editor, page.pointAt(3), page.checker, page.highlighter, 2, onError));
    few.actions().at(1)->trigger(); // "ward"
    EXPECT_EQ(page.editor.text(), QStringLiteral("a ward here"));

    page.editor.setPlainText(QStringLiteral("a wrd here, wrd"));
    QMenu add;
    ASSERT_TRUE(addSpellingActions(&add, &page.editor, page.pointAt(3), page.checker, page.highlighter, 0, onError));
    add.findChild<QAction *>(QStringLiteral("AddToDictionaryA"))->trigger();
    EXPECT_TRUE(page.underlined().isEmpty());
    EXPECT_EQ(page.folder.read(QStringLiteral("Custom.dic")), QByteArray("wrd\r\n"));

    page.checker.CustomDictionary.clear();
    page.editor.setPlainText(QStringLiteral("a zqx"));
    QMenu ignore;
    ASSERT_TRUE(addSpellingActions(&ignore, &page.editor, page.pointAt(3), page.checker, page.highlighter, 5, onError));
    ignore.findChild<QAction *>(QStringLiteral("AddToDictionaryA"))->trigger();
    EXPECT_EQ(errors, QStringList{noCustomDictionaryText()});
    ignore.findChild<QAction *>(QStringLiteral("IgnoreAllSpellingA"))->trigger();
    EXPECT_TRUE(page.underlined().isEmpty());
}

} // namespace
} // namespace corvane::spell
