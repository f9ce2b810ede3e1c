// The rich text editor control, driven as the compose pane, the reader and the spell check do.
#include "RtfTestSupport.h"

#include "richtext/gui/RtfReader.h"
#include "richtext/gui/RtfWriter.h"
#include "richtext/widgets/RichTextEditor.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QTextList>

namespace corvane::test {
namespace {

using richtext::RichTextEditor;
using richtext::RichTextView;
using Alignment = RichTextEditor::Alignment;

QString rtf(const char *text)
{
    return QString::fromLatin1(text);
}

TEST(RichTextEditor, ShowsAndGivesBackTheDocumentAsRtf)
{
    RichTextEditor editor;
    editor.setTextRtf(corpusFile(QStringLiteral("wordpad.rtf")));
    // The editor's text counts positions: list labels are drawn, not characters of it.
    EXPECT_EQ(editor.text(), QString::fromUtf8(corpusFile(QStringLiteral("wordpad.txt"))).remove(QStringLiteral("\u2022\t")));
    EXPECT_EQ(editor.selStart(), 0);
    const QString written = editor.textRtf();
    EXPECT_TRUE(written.startsWith(QStringLiteral("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl")));

    RichTextEditor other;
    other.setTextRtf(written);
    expectSameFormatting(*editor.document(), *other.document());
    EXPECT_EQ(other.textRtf(), written);
}

TEST(RichTextEditor, TakesTextThatIsNotRtfAsPlainText)
{
    RichTextEditor editor;
    editor.setTextRtf(QStringLiteral("just words\r\nsecond line"));
    EXPECT_EQ(editor.text(), QStringLiteral("just words\nsecond line"));
    editor.setTextRtf(QString());
    EXPECT_EQ(editor.text(), QString());
    EXPECT_EQ(editor.textLength(), 0);
}

TEST(RichTextEditor, CountsEveryParagraphBreakAsOneCharacter)
{
    RichTextEditor editor;
    editor.setTextRtf(rtf("{\\rtf1 ab\\par cd\\line ef\\par\\par gh}"));
    EXPECT_EQ(editor.text(), QStringLiteral("ab\ncd\nef\n\ngh"));
    EXPECT_EQ(editor.textLength(), 12);
    editor.select(3, 5);
    EXPECT_EQ(editor.selText(), QStringLiteral("cd\nef"));
    EXPECT_EQ(editor.selStart(), 3);
    EXPECT_EQ(editor.selLength(), 5);
    editor.setSelStart(10);
    EXPECT_EQ(editor.selLength(), 0);
    editor.setSelLength(2);
    EXPECT_EQ(editor.selText(), QStringLiteral("gh"));
    editor.select(11, 100);
    EXPECT_EQ(editor.selLength(), 1);
    editor.setSelStart(-4);
    EXPECT_EQ(editor.selStart(), 0);
}

TEST(RichTextEditor, ReplacesTheSelectionWithRichTextKeepingItsFormatting)
{
    RichTextEditor editor;
    editor.setTextRtf(QStringLiteral("Hello world, bye"));
    editor.select(6, 5);
    editor.setSelText(rtf("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0 {\\b bold} and\\par new}"));
    EXPECT_EQ(editor.text(), QStringLiteral("Hello bold and\nnew, bye"));
    EXPECT_EQ(editor.selStart(), 18);
    EXPECT_EQ(editor.selLength(), 0);
    EXPECT_TRUE(runStyleAt(*editor.document(), QStringLiteral("bold")).bold);
    EXPECT_EQ(runStyleAt(*editor.document(), QStringLiteral("and")).fontName, QStringLiteral("Arial"));
    EXPECT_FALSE(runStyleAt(*editor.document(), QStringLiteral("and")).bold);
}

TEST(RichTextEditor, ReplacesTheSelectionWithPlainTextInTheSelectionsFormat)
{
    RichTextEditor editor;
    editor.setTextRtf(rtf("{\\rtf1 a {\\b wrod} b}"));
    editor.select(2, 4);
    editor.setSelText(QStringLiteral("word"));
    EXPECT_EQ(editor.text(), QStringLiteral("a word b"));
    EXPECT_TRUE(runStyleAt(*editor.document(), QStringLiteral("word")).bold);
    editor.setSelText(QStringLiteral("\r\nline"));
    EXPECT_EQ(editor.text(), QStringLiteral("a word\nline b"));
}

TEST(RichTextEditor, BuildsAQuotedReplyAsTheReplyCommandDoes)
{
    const QString header = QStringLiteral("-----------------\nOriginal Message\nFrom: Ann\nTo: Bob, \nSubject: Plans\n"
                                          "-----------------\n");
    RichTextEditor editor;
    editor.setTextRtf(QString());
    editor.setSelStart(0);
    editor.setSelText(QStringLiteral("\n\n") + header);
    editor.select(2, static_cast<int>(header.size()) - 1);
    editor.setSelFontSize(12);
    editor.setSelFontName(QStringLiteral("Times new roman"));
    editor.setSelColor(QColor(143, 143, 143));
    editor.setSelStart(editor.textLength());
    editor.setSelText(rtf("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 Shall we meet on {\\b Friday}?\\par}"));
    editor.select(2, editor.textLength() - 2);
    editor.setSelLeftIndent(30);
    editor.setSelStart(0);

    EXPECT_EQ(editor.text(), QStringLiteral("\n\n") + header + QStringLiteral("Shall we meet on Friday?"));
    const auto grey = runStyleAt(*editor.document(), QStringLiteral("Original"));
    EXPECT_EQ(grey.colour, std::optional<std::uint32_t>(0x8F8F8F));
    EXPECT_EQ(grey.fontName, QStringLiteral("Times new roman"));
    EXPECT_TRUE(runStyleAt(*editor.document(), QStringLiteral("Friday")).bold);
    EXPECT_EQ(runStyleAt(*editor.document(), QStringLiteral("Shall")).fontName, QStringLiteral("Arial"));
    EXPECT_EQ(paragraphStyleAt(*editor.document(), QStringLiteral("Shall")).leftTwips, 600);
    EXPECT_EQ(paragraphStyleAt(*editor.document(), QStringLiteral("Subject")).leftTwips, 600);
    editor.select(0, 1);
    EXPECT_EQ(editor.selLeftIndent(), std::optional<double>(0));
    editor.select(2, 10);
    EXPECT_EQ(editor.selLeftIndent(), std::optional<double>(30));

    RichTextEditor reader;
    reader.setTextRtf(editor.textRtf());
    expectSameFormatting(*editor.document(), *reader.document());
}

TEST(RichTextEditor, ReadsNoValueWhenTheSelectionMixesValues)
{
    RichTextEditor editor;
    editor.setTextRtf(rtf("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}{\\colortbl;\\red255\\green0\\blue0;}"
                          "\\f0\\fs20 plain {\\b\\i\\ul\\strike\\f1\\fs28\\cf1 loud}\\par\\qc middle\\par}"));
    editor.select(0, 5);
    EXPECT_EQ(editor.selBold(), std::optional<bool>(false));
    EXPECT_EQ(editor.selFontName(), std::optional<QString>(QStringLiteral("Arial")));
    EXPECT_EQ(editor.selFontSize(), std::optional<double>(10));
    EXPECT_EQ(editor.selColor(), std::optional<QColor>(QColor()));
    editor.select(6, 4);
    EXPECT_EQ(editor.selBold(), std::optional<bool>(true));
    EXPECT_EQ(editor.selItalic(), std::optional<bool>(true));
    EXPECT_EQ(editor.selUnderline(), std::optional<bool>(true));
    EXPECT_EQ(editor.selStrikethrough(), std::optional<bool>(true));
    EXPECT_EQ(editor.selFontName(), std::optional<QString>(QStringLiteral("Courier New")));
    EXPECT_EQ(editor.selFontSize(), std::optional<double>(14));
    EXPECT_EQ(editor.selColor(), std::optional<QColor>(QColor(255, 0, 0)));
    editor.select(3, 5);
    EXPECT_EQ(editor.selBold(), std::nullopt);
    EXPECT_EQ(editor.selItalic(), std::nullopt);
    EXPECT_EQ(editor.selUnderline(), std::nullopt);
    EXPECT_EQ(editor.selStrikethrough(), std::nullopt);
    EXPECT_EQ(editor.selFontName(), std::nullopt);
    EXPECT_EQ(editor.selFontSize(), std::nullopt);
    EXPECT_EQ(editor.selColor(), std::nullopt);
    EXPECT_EQ(editor.selAlignment(), std::optional<Alignment>(Alignment::Left));
    editor.select(8, 6);
    EXPECT_EQ(editor.selAlignment(), std::nullopt);
    editor.setSelStart(13);
    EXPECT_EQ(editor.selAlignment(), std::optional<Alignment>(Alignment::Center));
    // A selection ending at the start of a paragraph does not take that paragraph in.
    editor.select(0, 11);
    EXPECT_EQ(editor.selAlignment(), std::optional<Alignment>(Alignment::Left));
}

// The toolbar's one-walk read gives what the readers give one by one, for every selection.
TEST(RichTextEditor, ReadsTheWholeSelectionFormatAsTheSingleReadersDo)
{
    RichTextEditor editor;
    editor.setTextRtf(rtf("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}\\f0\\fs20 plain {\\b\\i\\ul\\f1\\fs28 loud}"
                          " {\\b bold}\\par\\qc middle\\par{\\pntext\\'B7\\tab}{\\*\\pn\\pnlvlblt{\\pntxtb\\'B7}}"
                          "\\fi-360\\li720 point\\par}"));
    const int length = editor.textLength();
    for (int start = 0; start <= length; ++start) {
        for (int count = 0; start + count <= length; ++count) {
            editor.select(start, count);
            const RichTextEditor::SelectionFormat format = editor.selFormat();
            const std::string at = std::to_string(start) + "+" + std::to_string(count);
            EXPECT_EQ(format.fontName, editor.selFontName()) << at;
            EXPECT_EQ(format.fontSize, editor.selFontSize()) << at;
            EXPECT_EQ(format.bold, editor.selBold()) << at;
            EXPECT_EQ(format.italic, editor.selItalic()) << at;
            EXPECT_EQ(format.underline, editor.selUnderline()) << at;
            EXPECT_EQ(format.bullet, editor.selBullet()) << at;
            EXPECT_EQ(format.alignment, editor.selAlignment()) << at;
        }
    }
}

TEST(RichTextEditor, SettingAttributesWithNothingSelectedAppliesToTheTextTypedNext)
{
    RichTextEditor editor;
    editor.setTextRtf(rtf("{\\rtf1 start}"));
    editor.setSelStart(5);
    editor.setSelBold(true);
    editor.setSelFontSize(20);
    editor.setSelColor(QColor(0, 0, 255));
    EXPECT_EQ(editor.selBold(), std::optional<bool>(true));
    QTest::keyClicks(&editor, QStringLiteral("xy"));
    EXPECT_EQ(editor.text(), QStringLiteral("startxy"));
    const auto typed = runStyleAt(*editor.document(), QStringLiteral("xy"));
    EXPECT_TRUE(typed.bold);
    EXPECT_EQ(typed.halfPoints, 40);
    EXPECT_EQ(typed.colour, std::optional<std::uint32_t>(0x0000FF));
    EXPECT_FALSE(runStyleAt(*editor.document(), QStringLiteral("start")).bold);
    editor.setSelColor(QColor());
    QTest::keyClicks(&editor, QStringLiteral("z"));
    EXPECT_EQ(runStyleAt(*editor.document(), QStringLiteral("z")).colour, std::nullopt);
}

TEST(RichTextEditor, EmptyParagraphKeepsTheFormatItWasWrittenWith)
{
    RichTextEditor editor;
    editor.setTextRtf(rtf("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}\\f0 a\\par\\f1\\fs40\\par}"));
    EXPECT_EQ(editor.text(), QStringLiteral("a\n"));
    editor.setSelStart(2);
    EXPECT_EQ(editor.selFontName(), std::optional<QString>(QStringLiteral("Courier New")));
    EXPECT_EQ(editor.selFontSize(), std::optional<double>(20));
}

TEST(RichTextEditor, SetsAlignmentAndIndentOnEveryParagraphTheSelectionTouches)
{
    RichTextEditor editor;
    editor.setTextRtf(rtf("{\\rtf1 one\\par two\\par three}"));
    editor.select(1, 4);
    editor.setSelAlignment(Alignment::Right);
    editor.setSelLeftIndent(15);
    EXPECT_EQ(editor.selAlignment(), std::optional<Alignment>(Alignment::Right));
    EXPECT_EQ(paragraphStyleAt(*editor.document(), QStringLiteral("one")).alignment, richtext::Alignment::Right);
    EXPECT_EQ(paragraphStyleAt(*editor.document(), QStringLiteral("two")).leftTwips, 300);
    EXPECT_EQ(paragraphStyleAt(*editor.document(), QStringLiteral("three")).alignment, richtext::Alignment::Left);
    editor.setSelStart(9);
    editor.setSelAlignment(Alignment::Center);
    EXPECT_EQ(paragraphStyleAt(*editor.document(), QStringLiteral("three")).alignment, richtext::Alignment::Center);
    EXPECT_TRUE(editor.textRtf().contains(QStringLiteral("\\li300\\qr two")));
}

TEST(RichTextEditor, TurnsBulletsOnAndOff)
{
    RichTextEditor editor;
    editor.setTextRtf(rtf("{\\rtf1 intro\\par one\\par two\\par three}"));
    editor.select(7, 5);
    editor.setSelBullet(true);
    EXPECT_EQ(editor.selBullet(), std::optional<bool>(true));
    QTextList *list = blockWith(*editor.document(), QStringLiteral("one")).textList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count(), 2);
    EXPECT_TRUE(editor.textRtf().contains(QStringLiteral("{\\*\\pn\\pnlvlblt")));
    // A bullet turned on just under a bulleted paragraph joins its list.
    editor.setSelStart(15);
    editor.setSelBullet(true);
    EXPECT_EQ(list->count(), 3);
    editor.select(0, 10);
    EXPECT_EQ(editor.selBullet(), std::nullopt);
    editor.select(5, 6);
    editor.setSelBullet(false);
    EXPECT_EQ(blockWith(*editor.document(), QStringLiteral("one")).textList(), nullptr);
    EXPECT_EQ(paragraphStyleAt(*editor.document(), QStringLiteral("one")).leftTwips, 0);
    EXPECT_EQ(blockWith(*editor.document(), QStringLiteral("three")).textList(), list);
}

TEST(RichTextEditor, FindsTextAtOrAfterAPosition)
{
    RichTextEditor editor;
    editor.setTextRtf(rtf("{\\rtf1 one two\\par three two}"));
    EXPECT_EQ(editor.findText(QStringLiteral("two")), 4);
    EXPECT_EQ(editor.findText(QStringLiteral("two"), 4), 4);
    EXPECT_EQ(editor.findText(QStringLiteral("two"), 5), 14);
    EXPECT_EQ(editor.findText(QStringLiteral("\n")), 7);
    EXPECT_EQ(editor.findText(QStringLiteral(" "), 8), 13);
    EXPECT_EQ(editor.findText(QStringLiteral("TWO")), -1);
    EXPECT_EQ(editor.findText(QStringLiteral("TWO"), 0, Qt::CaseInsensitive), 4);
    EXPECT_EQ(editor.findText(QStringLiteral("four")), -1);
    editor.setSelStart(0);
    editor.setSelText(QStringLiteral("zero "));
    EXPECT_EQ(editor.findText(QStringLiteral("two")), 9);
}

TEST(RichTextEditor, ReportsTextChangesCaretMovesAndKeys)
{
    RichTextEditor editor;
    QSignalSpy changed(&editor, &QTextEdit::textChanged);
    QSignalSpy caret(&editor, &RichTextEditor::caretOrSelectionChanged);
    QSignalSpy keys(&editor, &RichTextEditor::keyPressed);
    editor.setTextRtf(rtf("{\\rtf1 abc}"));
    EXPECT_GE(changed.count(), 1);
    changed.clear();
    caret.clear();
    editor.setSelStart(2);
    EXPECT_EQ(caret.count(), 1);
    editor.setSelLength(1);
    EXPECT_EQ(caret.count(), 2);
    EXPECT_EQ(changed.count(), 0);
    QTest::keyClick(&editor, Qt::Key_X);
    EXPECT_EQ(editor.text(), QStringLiteral("abx"));
    ASSERT_EQ(keys.count(), 1);
    EXPECT_EQ(keys.at(0).at(0).toInt(), int(Qt::Key_X));
    EXPECT_GE(changed.count(), 1);
    // A key that changes nothing is still reported.
    QTest::keyClick(&editor, Qt::Key_Shift);
    EXPECT_EQ(keys.count(), 2);
}

TEST(RichTextEditor, CopiesAndPastesRichTextThroughTheClipboard)
{
    RichTextEditor editor;
    editor.setTextRtf(rtf("{\\rtf1 a {\\b bold} word}"));
    editor.select(2, 4);
    editor.copy();
    const QMimeData *mime = QApplication::clipboard()->mimeData();
    ASSERT_NE(mime, nullptr);
    ASSERT_TRUE(mime->hasFormat(QStringLiteral("text/rtf")));
    editor.setSelStart(editor.textLength());
    editor.paste();
    EXPECT_EQ(editor.text(), QStringLiteral("a bold wordbold"));
    editor.select(11, 4);
    EXPECT_EQ(editor.selBold(), std::optional<bool>(true));
}

TEST(RichTextEditor, PastedHtmlKeepsOnlyWhatRtfCanHold)
{
    RichTextEditor editor;
    auto *mime = new QMimeData;
    mime->setHtml(QStringLiteral("<p><b>Big</b> news</p><table><tr><td>a</td><td>b</td></tr></table>"
                                 "<ul><li>point</li></ul>"));
    QApplication::clipboard()->setMimeData(mime);
    editor.paste();
    EXPECT_TRUE(editor.text().contains(QStringLiteral("Big news")));
    EXPECT_TRUE(runStyleAt(*editor.document(), QStringLiteral("Big")).bold);
    EXPECT_TRUE(blockWith(*editor.document(), QStringLiteral("point")).textList() != nullptr);
    RichTextEditor again;
    again.setTextRtf(editor.textRtf());
    expectSameFormatting(*editor.document(), *again.document());
}

TEST(RichTextView, ShowsButDoesNotChangeTheMessage)
{
    RichTextView view;
    view.setTextRtf(corpusFile(QStringLiteral("word2016.rtf")));
    const QString before = view.text();
    QTest::keyClicks(&view, QStringLiteral("typed"));
    view.setSelStart(0);
    QTest::keyClick(&view, Qt::Key_Delete);
    EXPECT_EQ(view.text(), before);
    EXPECT_TRUE(view.isReadOnly());
    view.select(0, 5);
    EXPECT_EQ(view.selText(), QStringLiteral("Hello"));
}

} // namespace
} // namespace corvane::test
