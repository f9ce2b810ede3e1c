#include "richtext/gui/RtfDocumentBuilder.h"

#include "richtext/gui/RtfQtFormat.h"

#include <QImage>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QTextList>
#include <QUrl>

#include <atomic>

namespace corvane::richtext {

namespace {

// Image resource names, unique in the process so that content read into one document can be
// moved into another without clashes.
QUrl nextImageName()
{
    static std::atomic<quint64> counter{0};
    return QUrl(QStringLiteral("corvane-rtf-image:%1").arg(++counter));
}

} // namespace

RtfDocumentBuilder::RtfDocumentBuilder(QTextCursor &cursor)
    : m_cursor(cursor),
      m_tailFormat(cursor.blockFormat()),
      m_tailCharFormat(cursor.blockCharFormat()),
      m_startedInEmptyDocument(cursor.document()->isEmpty())
{
    m_blockIsNew = m_startedInEmptyDocument;
}

const QTextCharFormat &RtfDocumentBuilder::formatFor(const RunStyle &style)
{
    constexpr std::size_t kCachedFormats = 8;
    for (const CachedFormat &cached : m_formats) {
        if (cached.style == style)
            return cached.format;
    }
    CachedFormat entry{style, charFormatFor(style)};
    if (m_formats.size() < kCachedFormats) {
        m_formats.push_back(std::move(entry));
        return m_formats.back().format;
    }
    CachedFormat &slot = m_formats[m_nextFormatSlot];
    m_nextFormatSlot = (m_nextFormatSlot + 1) % kCachedFormats;
    slot = std::move(entry);
    return slot.format;
}

void RtfDocumentBuilder::startContent()
{
    if (m_needBlock) {
        m_cursor.insertBlock(m_tailFormat, m_tailCharFormat);
        m_needBlock = false;
        m_blockIsNew = true;
    }
}

void RtfDocumentBuilder::text(QStringView text, const RunStyle &style)
{
    startContent();
    m_cursor.insertText(text.toString(), formatFor(style));
}

void RtfDocumentBuilder::picture(const Picture &picture, const RunStyle &style)
{
    startContent();
    QTextDocument *doc = m_cursor.document();
    const QUrl name = nextImageName();
    QImage image = QImage::fromData(picture.data, picture.format == PictureFormat::Png ? "PNG" : "JPEG");
    if (!image.isNull())
        doc->addResource(QTextDocument::ImageResource, name, image);
    else
        doc->addResource(QTextDocument::ImageResource, name, picture.data);
    QTextImageFormat f;
    f.merge(formatFor(style));
    f.setName(name.toString());
    f.setWidth(picture.goalWidthTwips > 0 ? picture.goalWidthTwips / kTwipsPerPixel : picture.pixelWidth);
    f.setHeight(picture.goalHeightTwips > 0 ? picture.goalHeightTwips / kTwipsPerPixel : picture.pixelHeight);
    f.setProperty(PictureDataProperty, picture.data);
    m_cursor.insertImage(f);
}

void RtfDocumentBuilder::applyParagraph(const ParagraphStyle &style, const RunStyle &markStyle)
{
    QTextDocument *doc = m_cursor.document();
    m_cursor.setBlockFormat(blockFormatFor(style, doc->indentWidth()));
    m_cursor.setBlockCharFormat(formatFor(markStyle));
    const ListStyle &list = style.list;
    if (list.kind == ListKind::None) {
        m_numbers.interrupt();
        return;
    }
    const auto index = static_cast<std::size_t>(m_numbers.add(list).list);
    if (index < m_lists.size())
        m_lists[index]->add(m_cursor.block());
    else
        m_lists.push_back(m_cursor.createList(listFormatFor(list))); // a new list has the next index
}

void RtfDocumentBuilder::paragraphEnd(const ParagraphStyle &style, const RunStyle &markStyle)
{
    startContent();
    applyParagraph(style, markStyle);
    m_needBlock = true;
    m_anyParagraph = true;
}

void RtfDocumentBuilder::finish(bool openParagraph, const ParagraphStyle &style, const RunStyle &markStyle)
{
    if (openParagraph)
        startContent();
    const bool nothingFollows = m_cursor.atBlockEnd();
    if (openParagraph) {
        // The last paragraph had no mark. At the end of a paragraph this insertion made, it takes
        // its own format; otherwise it joins the paragraph that was there.
        if (m_blockIsNew && nothingFollows)
            applyParagraph(style, markStyle);
        return;
    }
    if (m_needBlock) {
        // A final paragraph mark splits the paragraph at the insertion point, unless the
        // insertion ended the document.
        if (!m_cursor.atEnd())
            m_cursor.insertBlock(m_tailFormat, m_tailCharFormat);
        return;
    }
    if (!m_anyParagraph && m_startedInEmptyDocument) {
        // Nothing at all was read: the empty document types with the document's style.
        applyParagraph(style, markStyle);
    }
}

} // namespace corvane::richtext
