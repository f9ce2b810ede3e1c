#pragma once

#include "richtext/RtfListNumbers.h"
#include "richtext/RtfSink.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>

#include <vector>

class QTextList;

namespace corvane::richtext {

// Puts what the RTF reader reads into a text document at a cursor. Inserted paragraphs carry
// their own formats; the paragraph the cursor stood in keeps its format for the text after the
// insertion point. A paragraph mark at the very end of the document adds no empty paragraph,
// as in the rich-edit control.
class RtfDocumentBuilder final : public RtfSink
{
public:
    // The cursor must have no selection; it ends after the inserted content.
    explicit RtfDocumentBuilder(QTextCursor &cursor);

    void text(QStringView text, const RunStyle &style) override;
    void picture(const Picture &picture, const RunStyle &style) override;
    void paragraphEnd(const ParagraphStyle &style, const RunStyle &markStyle) override;
    void finish(bool openParagraph, const ParagraphStyle &style, const RunStyle &markStyle) override;

private:
    const QTextCharFormat &formatFor(const RunStyle &style);
    void startContent();
    void applyParagraph(const ParagraphStyle &style, const RunStyle &markStyle);

    QTextCursor &m_cursor;
    QTextBlockFormat m_tailFormat;     // format of the paragraph the insertion started in
    QTextCharFormat m_tailCharFormat;
    bool m_startedInEmptyDocument;
    bool m_blockIsNew = false; // the current block was made by this insertion
    bool m_needBlock = false;  // a paragraph ended; the next content starts a new one
    bool m_anyParagraph = false;

    // Formats of the styles used lately: documents switch between a few styles all the time.
    struct CachedFormat
    {
        RunStyle style;
        QTextCharFormat format;
    };
    std::vector<CachedFormat> m_formats;
    std::size_t m_nextFormatSlot = 0;

    // Which list each paragraph joins; m_lists holds the document's list for each.
    ListNumbers m_numbers;
    std::vector<QTextList *> m_lists;
};

} // namespace corvane::richtext
