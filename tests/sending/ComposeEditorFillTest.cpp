// Reply, forward and reopen laid out in a bare compose editor.
#include "sending/widgets/ComposeEditorFill.h"

#include "richtext/widgets/RichTextEditor.h"

#include <QBuffer>
#include <QImage>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

using namespace corvane;
using namespace corvane::sending;
using richtext::RichTextEditor;

namespace {

StoredMessage message(const QString &rtfBody)
{
    StoredMessage m;
    m.from = QStringLiteral("Carol");
    m.recipients = {QStringLiteral("Ann"), QStringLiteral("Bob")};
    m.subject = QStringLiteral("Plans");
    m.rtfBody = rtfBody;
    return m;
}

MadeMessage reply(const QString &rtfBody)
{
    return MakeMessage(message(rtfBody), MakeMode::Reply);
}

// The editor holding some earlier draft, with an undo history.
void writeDraft(RichTextEditor &editor)
{
    editor.setTextRtf(QStringLiteral("{\\rtf1 earlier draft}"));
    editor.setSelStart(5);
    editor.setSelText(QStringLiteral(" typed"));
}

} // namespace

TEST(ComposeEditorFill, ReplyShowsTwoEmptyLinesThenTheGreyHeaderAndTheBodyIndented)
{
    RichTextEditor editor;
    writeDraft(editor);
    const MadeMessage made = reply(QStringLiteral("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 See {\\b you}.\\par}"));
    QSignalSpy caret(&editor, &RichTextEditor::caretOrSelectionChanged); // the toolbar shows the new text
    fillComposeEditor(editor, made);
    EXPECT_FALSE(caret.isEmpty());

    const int headerLength = int(made.quotedHeader.size());
    EXPECT_EQ(editor.text(), QStringLiteral("\n\n") + made.quotedHeader + QStringLiteral("See you."));
    EXPECT_EQ(editor.selStart(), 0);
    EXPECT_EQ(editor.selLength(), 0);
    EXPECT_FALSE(editor.document()->isUndoAvailable());

    editor.select(2, headerLength - 1);
    EXPECT_EQ(editor.selColor(), QColor(0x8F8F8F));
    EXPECT_EQ(editor.selFontName(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(editor.selFontSize(), 12.0);

    editor.select(2 + headerLength, 8); // the body keeps its own formatting
    EXPECT_EQ(editor.selColor(), QColor());
    EXPECT_EQ(editor.selFontName(), QStringLiteral("Arial"));
    EXPECT_EQ(editor.selFontSize(), 10.0);
    EXPECT_EQ(editor.selBold(), std::nullopt);

    editor.select(2, editor.textLength());
    EXPECT_EQ(editor.selLeftIndent(), kQuoteIndentPoints);
    editor.select(0, 2);
    EXPECT_EQ(editor.selLeftIndent(), 0.0);
}

TEST(ComposeEditorFill, AReplyToAReplyIndentsTheEarlierQuoteFurther)
{
    RichTextEditor first;
    fillComposeEditor(first, reply(QStringLiteral("{\\rtf1 Original words.\\par}")));
    first.setSelText(QStringLiteral("My answer"));
    const QString answer = first.textRtf();

    RichTextEditor second;
    fillComposeEditor(second, reply(answer));
    second.setSelStart(second.findText(QStringLiteral("My answer")));
    EXPECT_EQ(second.selLeftIndent(), kQuoteIndentPoints);
    second.setSelStart(second.findText(QStringLiteral("Original words.")));
    EXPECT_EQ(second.selLeftIndent(), 2 * kQuoteIndentPoints);
    EXPECT_EQ(second.selColor(), QColor());
    second.setSelStart(second.findText(QStringLiteral("Original Message"), 30) + 1);
    EXPECT_EQ(second.selLeftIndent(), 2 * kQuoteIndentPoints);
    EXPECT_EQ(second.selColor(), QColor(0x8F8F8F));
}

TEST(ComposeEditorFill, AQuotedPictureIsKept)
{
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    RichTextEditor editor;
    fillComposeEditor(
        editor,
        reply(QStringLiteral("{\\rtf1 Look: {\\pict\\pngblip %1}\\par}").arg(QString::fromLatin1(png.toHex()))));
    EXPECT_TRUE(editor.text().endsWith(QStringLiteral("Look: \uFFFC")));
    // Written back with the bytes it was read with.
    EXPECT_TRUE(editor.textRtf().remove(QLatin1Char('\n')).contains(QString::fromLatin1(png.toHex())));
}

TEST(ComposeEditorFill, ABodyOfPlainTextIsQuotedInTheEditorsOwnColour)
{
    RichTextEditor editor;
    fillComposeEditor(editor, reply(QStringLiteral("just words")));
    editor.select(editor.findText(QStringLiteral("just")), 4);
    EXPECT_EQ(editor.selColor(), QColor());
    EXPECT_EQ(editor.selLeftIndent(), kQuoteIndentPoints);
}

TEST(ComposeEditorFill, ReopenShowsTheBodyAloneWithTheCaretAtTheStart)
{
    RichTextEditor editor;
    writeDraft(editor);
    const MadeMessage made =
        MakeMessage(message(QStringLiteral("{\\rtf1 Sent {\\i words}\\par}")), MakeMode::Reopen);
    fillComposeEditor(editor, made);
    EXPECT_EQ(editor.text(), QStringLiteral("Sent words"));
    EXPECT_EQ(editor.selStart(), 0);
    editor.select(0, editor.textLength());
    EXPECT_EQ(editor.selLeftIndent(), 0.0);
    EXPECT_FALSE(editor.document()->isUndoAvailable());
}
