#include "sending/widgets/ComposeEditorFill.h"

#include "richtext/gui/RtfQtFormat.h"
#include "richtext/gui/RtfReader.h"
#include "richtext/widgets/RichTextEditor.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace corvane::sending {

namespace {

constexpr double kTwipsPerPoint = 20;

// Lays out a reply or forward in the emptied document: two empty lines, the grey header, the
// body, and the indent from position 2 to the end.
void layOutQuote(QTextCursor &cursor, const MadeMessage &made)
{
    QTextDocument &document = *cursor.document();
    const QString &header = made.quotedHeader;
    constexpr int kHeaderStart = 2;
    cursor.insertText(QStringLiteral("\n\n") + header);

    QTextCursor grey(&document);
    grey.setPosition(kHeaderStart);
    grey.setPosition(kHeaderStart + std::max<int>(0, int(header.size()) - 1), QTextCursor::KeepAnchor);
    QTextCharFormat headerFormat;
    headerFormat.setFontPointSize(kQuoteFontSize);
    headerFormat.setFontFamilies(QStringList{kQuoteFontName});
    headerFormat.setForeground(kQuoteColour);
    grey.mergeCharFormat(headerFormat);

    cursor.movePosition(QTextCursor::End);
    cursor.setCharFormat(QTextCharFormat()); // a body that is plain text is not grey
    richtext::insertRtf(made.rtfBody, cursor);

    // Each paragraph keeps its own indent within the quote.
    const double pixels = kQuoteIndentPoints * kTwipsPerPoint / richtext::kTwipsPerPixel;
    for (QTextBlock block = document.findBlock(kHeaderStart); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        format.setLeftMargin(format.leftMargin() + pixels);
        cursor.setPosition(block.position());
        cursor.setBlockFormat(format);
    }
}

} // namespace

void fillComposeEditor(richtext::RichTextEditor &editor, const MadeMessage &made)
{
    editor.replaceContent([&made](QTextCursor &cursor) {
        if (made.mode == MakeMode::Reopen)
            richtext::insertRtf(made.rtfBody, cursor);
        else
            layOutQuote(cursor, made);
    });
}

} // namespace corvane::sending
