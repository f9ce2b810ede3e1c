#include "richtext/widgets/RichTextEditor.h"

#include "richtext/gui/DocumentText.h"
#include "richtext/gui/RtfQtFormat.h"
#include "richtext/gui/RtfReader.h"
#include "richtext/gui/RtfWriter.h"

#include <QBuffer>
#include <QFont>
#include <QImage>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextList>

#include <algorithm>
#include <cmath>

namespace corvane::richtext {

namespace {

// Document distances are pixels at 96 dpi.
constexpr double kPixelsPerPoint = 96.0 / 72.0;

const QStringList &rtfMimeTypes()
{
    static const QStringList types{QStringLiteral("text/rtf"), QStringLiteral("application/rtf"),
                                   QStringLiteral("text/richtext")};
    return types;
}

QString withLineFeeds(QString text)
{
    std::replace(text.begin(), text.end(), QChar(QChar::ParagraphSeparator), QChar(u'\n'));
    std::replace(text.begin(), text.end(), QChar(QChar::LineSeparator), QChar(u'\n'));
    return text;
}

bool isBulletList(const QTextList *list)
{
    return list && listStyleOf(list->format()).kind == ListKind::Bullet;
}

QByteArray pictureRtf(const QImage &image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return "{\\rtf1{\\pict\\pngblip " + png.toHex() + "}}";
}

QString fontNameOf(const QTextCharFormat &f, const QTextDocument &doc)
{
    return runStyleOf(f, doc).fontName;
}

double fontSizeOf(const QTextCharFormat &f, const QTextDocument &doc)
{
    const double points = f.fontPointSize();
    return points > 0 ? points : doc.defaultFont().pointSizeF();
}

RichTextEditor::Alignment alignmentOf(const QTextBlock &block)
{
    using Alignment = RichTextEditor::Alignment;
    const Qt::Alignment h = block.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
    if (h & Qt::AlignRight)
        return Alignment::Right;
    if (h & Qt::AlignHCenter)
        return Alignment::Center;
    if ((h & Qt::AlignJustify) == Qt::AlignJustify)
        return Alignment::Justify;
    return Alignment::Left;
}

// Folds one more value into an attribute of a selection: the first sets it, a different one
// marks it mixed for good.
template<typename T, typename ValueOf>
void fold(std::optional<T> &value, bool &mixed, bool &seen, ValueOf valueOf)
{
    if (mixed)
        return; // not worked out again
    const T next = valueOf();
    if (!seen)
        value = next;
    else if (!(*value == next)) {
        value.reset();
        mixed = true;
    }
}

} // namespace

RichTextEditor::RichTextEditor(QWidget *parent) : QTextEdit(parent)
{
    setAcceptRichText(true);
    document()->setDefaultFont(QFont(QStringLiteral("Times New Roman"), 12));
    connect(document(), &QTextDocument::contentsChanged, this, [this] { m_textCacheValid = false; });
    connect(this, &QTextEdit::cursorPositionChanged, this, &RichTextEditor::reportCaret);
    connect(this, &QTextEdit::selectionChanged, this, &RichTextEditor::reportCaret);
}

void RichTextEditor::reportCaret()
{
    const QTextCursor c = textCursor();
    if (c.anchor() == m_lastAnchor && c.position() == m_lastPosition)
        return;
    m_lastAnchor = c.anchor();
    m_lastPosition = c.position();
    Q_EMIT caretOrSelectionChanged();
}

// ---- whole document ----------------------------------------------------------------------

QString RichTextEditor::textRtf() const
{
    return QString::fromLatin1(writeDocument(*document()));
}

void RichTextEditor::setTextRtf(const QString &rtf)
{
    replaceContent([&rtf](QTextCursor &cursor) { insertRtf(rtf, cursor); });
}

void RichTextEditor::setTextRtf(const QByteArray &rtf)
{
    replaceContent([&rtf](QTextCursor &cursor) { insertRtf(rtf, cursor); });
}

void RichTextEditor::replaceContent(const std::function<void(QTextCursor &)> &fill)
{
    QTextDocument *doc = document();
    const bool undo = doc->isUndoRedoEnabled();
    doc->setUndoRedoEnabled(false);
    // The caret is out of the document while it fills: pushed to the end by the insertions, it
    // would make the editor lay out the whole document at once when it comes back to the start.
    setTextCursor(QTextCursor());
    QTextCursor cursor(doc);
    // Emptied within the edit block, the document changes once as a whole, which the layout
    // takes in steps.
    cursor.beginEditBlock();
    doc->clear();
    fill(cursor);
    cursor.endEditBlock();
    doc->setUndoRedoEnabled(undo);
    setTextCursor(QTextCursor(doc));
}

QString RichTextEditor::text() const
{
    if (!m_textCacheValid) {
        m_textCache = documentText(*document());
        m_textCacheValid = true;
    }
    return m_textCache;
}

int RichTextEditor::textLength() const
{
    return document()->characterCount() - 1;
}

// ---- selection -----------------------------------------------------------------------------

int RichTextEditor::selStart() const
{
    return textCursor().selectionStart();
}

int RichTextEditor::selLength() const
{
    const QTextCursor c = textCursor();
    return c.selectionEnd() - c.selectionStart();
}

void RichTextEditor::setSelStart(int position)
{
    QTextCursor c = textCursor();
    c.setPosition(std::clamp(position, 0, textLength()));
    setTextCursor(c);
}

void RichTextEditor::setSelLength(int length)
{
    select(selStart(), length);
}

void RichTextEditor::select(int start, int length)
{
    const int from = std::clamp(start, 0, textLength());
    const int to = std::clamp(from + std::max(length, 0), from, textLength());
    QTextCursor c = textCursor();
    c.setPosition(from);
    c.setPosition(to, QTextCursor::KeepAnchor);
    setTextCursor(c);
}

QString RichTextEditor::selText() const
{
    return withLineFeeds(textCursor().selectedText());
}

void RichTextEditor::setSelText(const QString &text)
{
    if (looksLikeRtf(text.toUtf8())) {
        QTextCursor c = textCursor();
        insertRtf(text, c);
        setTextCursor(c);
        return;
    }
    insertPlainTextAtCursor(text);
}

void RichTextEditor::insertPlainTextAtCursor(const QString &text)
{
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QTextCursor c = textCursor();
    c.insertText(plain);
    setTextCursor(c);
    ensureCursorVisible();
}

void RichTextEditor::insertRtfAtCursor(const QByteArray &rtf)
{
    QTextCursor c = textCursor();
    insertRtf(rtf, c);
    setTextCursor(c);
    ensureCursorVisible();
}

int RichTextEditor::findText(const QString &what, int from, Qt::CaseSensitivity cs) const
{
    if (what.isEmpty() || from < 0)
        return -1;
    return static_cast<int>(text().indexOf(what, from, cs));
}

// ---- attributes ----------------------------------------------------------------------------

template<typename T, typename ValueOf>
std::optional<T> RichTextEditor::uniformCharValue(ValueOf valueOf) const
{
    const QTextCursor c = textCursor();
    if (!c.hasSelection())
        return valueOf(c.charFormat());
    const int start = c.selectionStart();
    const int end = c.selectionEnd();
    std::optional<T> result;
    for (QTextBlock block = document()->findBlock(start); block.isValid() && block.position() < end;
         block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid() || fragment.position() + fragment.length() <= start || fragment.position() >= end)
                continue;
            const T value = valueOf(fragment.charFormat());
            if (!result)
                result = value;
            else if (!(*result == value))
                return std::nullopt;
        }
    }
    if (!result)
        return valueOf(c.charFormat()); // only paragraph breaks selected
    return result;
}

template<typename T, typename ValueOf>
std::optional<T> RichTextEditor::uniformBlockValue(ValueOf valueOf) const
{
    const QTextCursor c = textCursor();
    const int start = c.selectionStart();
    const int last = c.hasSelection() ? c.selectionEnd() - 1 : start;
    const QTextBlock end = document()->findBlock(last);
    std::optional<T> result;
    for (QTextBlock block = document()->findBlock(start); block.isValid(); block = block.next()) {
        const T value = valueOf(block);
        if (!result)
            result = value;
        else if (!(*result == value))
            return std::nullopt;
        if (block == end)
            break;
    }
    return result;
}

template<typename Change>
void RichTextEditor::changeBlocks(Change change)
{
    QTextCursor c = textCursor();
    const int start = c.selectionStart();
    const int last = c.hasSelection() ? c.selectionEnd() - 1 : start;
    c.beginEditBlock();
    const QTextBlock end = document()->findBlock(last);
    for (QTextBlock block = document()->findBlock(start); block.isValid(); block = block.next()) {
        change(block);
        if (block == end)
            break;
    }
    c.endEditBlock();
}

void RichTextEditor::mergeFormat(const QTextCharFormat &format)
{
    mergeCurrentCharFormat(format);
}

std::optional<QString> RichTextEditor::selFontName() const
{
    const QTextDocument &doc = *document();
    return uniformCharValue<QString>([&doc](const QTextCharFormat &f) { return fontNameOf(f, doc); });
}

void RichTextEditor::setSelFontName(const QString &family)
{
    QTextCharFormat f;
    f.setFontFamilies(QStringList{family});
    mergeFormat(f);
}

std::optional<double> RichTextEditor::selFontSize() const
{
    const QTextDocument &doc = *document();
    return uniformCharValue<double>([&doc](const QTextCharFormat &f) { return fontSizeOf(f, doc); });
}

void RichTextEditor::setSelFontSize(double points)
{
    if (points <= 0)
        return;
    QTextCharFormat f;
    f.setFontPointSize(points);
    mergeFormat(f);
}

std::optional<QColor> RichTextEditor::selColor() const
{
    return uniformCharValue<QColor>([](const QTextCharFormat &f) {
        if (f.hasProperty(QTextFormat::ForegroundBrush) && f.foreground().style() != Qt::NoBrush)
            return f.foreground().color();
        return QColor();
    });
}

void RichTextEditor::setSelColor(const QColor &colour)
{
    if (colour.isValid()) {
        QTextCharFormat f;
        f.setForeground(colour);
        mergeFormat(f);
        return;
    }
    // Back to the automatic colour: the property is taken away, which a merge cannot do.
    QTextCursor c = textCursor();
    if (!c.hasSelection()) {
        QTextCharFormat f = c.charFormat();
        f.clearForeground();
        setCurrentCharFormat(f);
        return;
    }
    const int start = c.selectionStart();
    const int end = c.selectionEnd();
    c.beginEditBlock();
    for (QTextBlock block = document()->findBlock(start); block.isValid() && block.position() < end;
         block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int from = std::max(start, fragment.position());
            const int to = std::min(end, fragment.position() + fragment.length());
            if (from >= to)
                continue;
            QTextCursor piece(document());
            piece.setPosition(from);
            piece.setPosition(to, QTextCursor::KeepAnchor);
            QTextCharFormat f = fragment.charFormat();
            f.clearForeground();
            piece.setCharFormat(f);
        }
    }
    c.endEditBlock();
}

std::optional<bool> RichTextEditor::selBold() const
{
    return uniformCharValue<bool>([](const QTextCharFormat &f) { return f.fontWeight() >= QFont::DemiBold; });
}

void RichTextEditor::setSelBold(bool on)
{
    QTextCharFormat f;
    f.setFontWeight(on ? QFont::Bold : QFont::Normal);
    mergeFormat(f);
}

std::optional<bool> RichTextEditor::selItalic() const
{
    return uniformCharValue<bool>([](const QTextCharFormat &f) { return f.fontItalic(); });
}

void RichTextEditor::setSelItalic(bool on)
{
    QTextCharFormat f;
    f.setFontItalic(on);
    mergeFormat(f);
}

std::optional<bool> RichTextEditor::selUnderline() const
{
    return uniformCharValue<bool>([](const QTextCharFormat &f) { return f.fontUnderline(); });
}

void RichTextEditor::setSelUnderline(bool on)
{
    QTextCharFormat f;
    f.setFontUnderline(on);
    mergeFormat(f);
}

std::optional<bool> RichTextEditor::selStrikethrough() const
{
    return uniformCharValue<bool>([](const QTextCharFormat &f) { return f.fontStrikeOut(); });
}

void RichTextEditor::setSelStrikethrough(bool on)
{
    QTextCharFormat f;
    f.setFontStrikeOut(on);
    mergeFormat(f);
}

std::optional<RichTextEditor::Alignment> RichTextEditor::selAlignment() const
{
    return uniformBlockValue<Alignment>(alignmentOf);
}

void RichTextEditor::setSelAlignment(Alignment alignment)
{
    static const Qt::Alignment qt[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter, Qt::AlignJustify};
    QTextBlockFormat f;
    f.setAlignment(qt[static_cast<int>(alignment)]);
    changeBlocks([&f](const QTextBlock &block) { QTextCursor(block).mergeBlockFormat(f); });
}

std::optional<bool> RichTextEditor::selBullet() const
{
    return uniformBlockValue<bool>([](const QTextBlock &block) { return isBulletList(block.textList()); });
}

void RichTextEditor::setSelBullet(bool on)
{
    QTextList *list = nullptr;
    if (on) {
        // Join the bulleted paragraph just above, as typing a bullet under a bullet does.
        const QTextBlock above = document()->findBlock(selStart()).previous();
        if (above.isValid() && isBulletList(above.textList()))
            list = above.textList();
    }
    ListStyle bullet;
    bullet.kind = ListKind::Bullet;
    changeBlocks([&](const QTextBlock &block) {
        QTextList *current = block.textList();
        if (on && isBulletList(current)) {
            list = current;
            return;
        }
        if (current) {
            current->remove(block);
            QTextBlockFormat f = block.blockFormat();
            f.setIndent(0); // removing from a list keeps its indent on the paragraph
            QTextCursor(block).setBlockFormat(f);
        }
        if (!on)
            return;
        if (list)
            list->add(block);
        else
            list = QTextCursor(block).createList(listFormatFor(bullet));
    });
}

std::optional<double> RichTextEditor::selLeftIndent() const
{
    const qreal indentWidth = document()->indentWidth();
    return uniformBlockValue<double>([indentWidth](const QTextBlock &block) {
        const QTextBlockFormat f = block.blockFormat();
        const double pixels = f.leftMargin() + f.indent() * indentWidth;
        return std::round(pixels / kPixelsPerPoint * 100.0) / 100.0;
    });
}

void RichTextEditor::setSelLeftIndent(double points)
{
    const double pixels = std::max(0.0, points) * kPixelsPerPoint;
    changeBlocks([pixels](const QTextBlock &block) {
        QTextBlockFormat f = block.blockFormat();
        f.setLeftMargin(pixels);
        f.setIndent(0);
        QTextCursor(block).setBlockFormat(f);
    });
}

RichTextEditor::SelectionFormat RichTextEditor::selFormat() const
{
    const QTextDocument &doc = *document();
    const QTextCursor c = textCursor();
    SelectionFormat out;

    // Character attributes: every fragment the selection touches, or the caret's format.
    bool seen = false;
    bool mixed[5] = {};
    auto takeChar = [&](const QTextCharFormat &f) {
        fold(out.fontName, mixed[0], seen, [&] { return fontNameOf(f, doc); });
        fold(out.fontSize, mixed[1], seen, [&] { return fontSizeOf(f, doc); });
        fold(out.bold, mixed[2], seen, [&] { return f.fontWeight() >= QFont::DemiBold; });
        fold(out.italic, mixed[3], seen, [&] { return f.fontItalic(); });
        fold(out.underline, mixed[4], seen, [&] { return f.fontUnderline(); });
        seen = true;
        return std::all_of(std::begin(mixed), std::end(mixed), [](bool m) { return m; });
    };
    const int start = c.selectionStart();
    const int end = c.selectionEnd();
    if (c.hasSelection()) {
        bool allMixed = false;
        for (QTextBlock block = doc.findBlock(start); !allMixed && block.isValid() && block.position() < end;
             block = block.next()) {
            for (auto it = block.begin(); !allMixed && !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                if (!fragment.isValid() || fragment.position() + fragment.length() <= start
                    || fragment.position() >= end)
                    continue;
                allMixed = takeChar(fragment.charFormat());
            }
        }
    }
    if (!seen)
        takeChar(c.charFormat()); // nothing selected, or only paragraph breaks

    // Paragraph attributes: every paragraph the selection touches.
    bool seenBlock = false;
    bool mixedAlignment = false;
    bool mixedBullet = false;
    const QTextBlock last = doc.findBlock(c.hasSelection() ? end - 1 : start);
    for (QTextBlock block = doc.findBlock(start); block.isValid(); block = block.next()) {
        fold(out.alignment, mixedAlignment, seenBlock, [&] { return alignmentOf(block); });
        fold(out.bullet, mixedBullet, seenBlock, [&] { return isBulletList(block.textList()); });
        seenBlock = true;
        if (block == last || (mixedAlignment && mixedBullet))
            break;
    }
    return out;
}

// ---- events and the clipboard --------------------------------------------------------------

void RichTextEditor::keyPressEvent(QKeyEvent *event)
{
    Q_EMIT keyPressed(event->key(), event->modifiers());
    QTextEdit::keyPressEvent(event);
}

bool RichTextEditor::canInsertFromMimeData(const QMimeData *source) const
{
    for (const QString &type : rtfMimeTypes()) {
        if (source->hasFormat(type))
            return true;
    }
    return source->hasImage() || QTextEdit::canInsertFromMimeData(source);
}

void RichTextEditor::insertFromMimeData(const QMimeData *source)
{
    if (isReadOnly())
        return;
    for (const QString &type : rtfMimeTypes()) {
        if (source->hasFormat(type)) {
            insertRtfAtCursor(source->data(type));
            return;
        }
    }
    if (source->hasHtml()) {
        // Pasted HTML goes through RTF so that the document only holds what RTF keeps.
        QTextDocument pasted;
        pasted.setDefaultFont(document()->defaultFont());
        pasted.setIndentWidth(document()->indentWidth());
        pasted.setHtml(source->html());
        insertRtfAtCursor(writeDocument(pasted));
        return;
    }
    if (source->hasImage()) {
        const QImage image = qvariant_cast<QImage>(source->imageData());
        if (!image.isNull()) {
            insertRtfAtCursor(pictureRtf(image));
            return;
        }
    }
    if (source->hasText())
        insertPlainTextAtCursor(source->text());
}

QMimeData *RichTextEditor::createMimeDataFromSelection() const
{
    const QTextCursor c = textCursor();
    auto *mime = new QMimeData;
    if (!c.hasSelection())
        return mime;
    QTextDocument selection;
    selection.setDefaultFont(document()->defaultFont());
    selection.setIndentWidth(document()->indentWidth());
    QTextCursor(&selection).insertFragment(c.selection());
    mime->setText(selText());
    mime->setHtml(c.selection().toHtml());
    mime->setData(rtfMimeTypes().first(), writeDocument(selection));
    return mime;
}

// ---- read-only view ------------------------------------------------------------------------

void RichTextEditor::adoptDocument(QTextDocument *replacement)
{
    // The first document belongs to the text control, which deletes it when it is replaced.
    QTextDocument *adopted = document()->parent() == this ? document() : nullptr;
    replacement->setParent(this);
    setDocument(replacement);
    delete adopted;
    m_textCacheValid = false;
    connect(replacement, &QTextDocument::contentsChanged, this, [this] { m_textCacheValid = false; });
    setTextCursor(QTextCursor(replacement));
}

RichTextView::RichTextView(QWidget *parent) : RichTextEditor(parent)
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard | Qt::LinksAccessibleByMouse);
}

void RichTextView::showRtf(const QString &rtf)
{
    auto *fresh = new QTextDocument;
    fresh->setDefaultFont(document()->defaultFont());
    fresh->setUndoRedoEnabled(false);
    readDocument(rtf, *fresh);
    adoptDocument(fresh);
}

} // namespace corvane::richtext
