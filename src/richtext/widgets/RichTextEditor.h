#pragma once

#include <QColor>
#include <QString>
#include <QTextEdit>

#include <functional>
#include <optional>

class QMimeData;
class QTextBlock;
class QTextCharFormat;
class QTextCursor;

namespace corvane::richtext {

// The rich text editor control: a QTextEdit whose document is read and written as RTF through the
// program's own reader and writer, with the operations the compose pane, the reader and the
// spell check need.
//
// Positions (selStart, selLength, findText) count characters of text(): every paragraph break,
// line break and picture is one character.
//
// Selection attributes read as std::nullopt when the selection mixes values; with nothing
// selected they read and set the format at the caret, which the next typed text takes.
// Paragraph attributes (alignment, bullet, left indent) apply to every paragraph the selection
// touches, or to the caret's paragraph.
//
// The left indent is in points (1/72 inch), measured from the left edge of the text area to
// where the paragraph's text starts; in a bulleted paragraph the bullet's own indent comes on top.
class RichTextEditor : public QTextEdit
{
    Q_OBJECT

public:
    enum class Alignment { Left = 0, Right = 1, Center = 2, Justify = 3 };

    explicit RichTextEditor(QWidget *parent = nullptr);

    // The whole document as RTF (TextRTF). Setting text that is not RTF shows it as plain text;
    // setting resets the undo history and puts the caret at the start.
    QString textRtf() const;
    void setTextRtf(const QString &rtf);
    void setTextRtf(const QByteArray &rtf);
    // Empties the document and lets fill insert the new content at the cursor, as one change
    // without undo history; the caret ends at the start. A shown editor lays a long document out
    // in steps afterwards instead of all at once.
    void replaceContent(const std::function<void(QTextCursor &)> &fill);

    // The plain text (Text): paragraph and line breaks as "\n", pictures as U+FFFC.
    QString text() const;
    int textLength() const;

    int selStart() const;
    int selLength() const;
    // Moves the caret, leaving nothing selected.
    void setSelStart(int position);
    // Selects from selStart() over length characters.
    void setSelLength(int length);
    void select(int start, int length);

    // The selected text, and replacing it (SelText). An RTF document is inserted as rich text with
    // its own formatting; other text takes the format at the selection. The caret ends after it.
    QString selText() const;
    void setSelText(const QString &text);

    std::optional<QString> selFontName() const;
    void setSelFontName(const QString &family);
    std::optional<double> selFontSize() const; // points
    void setSelFontSize(double points);
    // An invalid colour is the automatic colour (the palette's text colour).
    std::optional<QColor> selColor() const;
    void setSelColor(const QColor &colour);
    std::optional<bool> selBold() const;
    void setSelBold(bool on);
    std::optional<bool> selItalic() const;
    void setSelItalic(bool on);
    std::optional<bool> selUnderline() const;
    void setSelUnderline(bool on);
    std::optional<bool> selStrikethrough() const;
    void setSelStrikethrough(bool on);
    std::optional<Alignment> selAlignment() const;
    void setSelAlignment(Alignment alignment);
    std::optional<bool> selBullet() const;
    void setSelBullet(bool on);
    std::optional<double> selLeftIndent() const; // points
    void setSelLeftIndent(double points);

    // Every attribute a formatting toolbar shows, read in one walk over the selection that ends
    // as soon as all of them are mixed: what selFontName() to selAlignment() give one by one.
    struct SelectionFormat
    {
        std::optional<QString> fontName;
        std::optional<double> fontSize;
        std::optional<bool> bold;
        std::optional<bool> italic;
        std::optional<bool> underline;
        std::optional<bool> bullet;
        std::optional<Alignment> alignment;
    };
    SelectionFormat selFormat() const;

    // The position of the first occurrence of what at or after from, or -1.
    int findText(const QString &what, int from = 0, Qt::CaseSensitivity cs = Qt::CaseSensitive) const;

Q_SIGNALS:
    // The caret moved or the selection changed (textChanged() reports edits).
    void caretOrSelectionChanged();
    // A key was pressed in the editor, before the editor handles it.
    void keyPressed(int key, Qt::KeyboardModifiers modifiers);

protected:
    // Makes a document built elsewhere the one shown and edited; the editor owns it from then on.
    void adoptDocument(QTextDocument *document);

    void keyPressEvent(QKeyEvent *event) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
    QMimeData *createMimeDataFromSelection() const override;

private:
    template<typename T, typename ValueOf>
    std::optional<T> uniformCharValue(ValueOf valueOf) const;
    template<typename T, typename ValueOf>
    std::optional<T> uniformBlockValue(ValueOf valueOf) const;
    template<typename Change>
    void changeBlocks(Change change);
    void mergeFormat(const QTextCharFormat &format);
    void insertRtfAtCursor(const QByteArray &rtf);
    void insertPlainTextAtCursor(const QString &text);
    void reportCaret();

    mutable QString m_textCache;
    mutable bool m_textCacheValid = false;
    int m_lastAnchor = -1;
    int m_lastPosition = -1;
};

// The read-only variant for showing a message: text can be selected and copied, not changed.
class RichTextView : public RichTextEditor
{
    Q_OBJECT

public:
    explicit RichTextView(QWidget *parent = nullptr);

    // Shows an RTF document, read into a document of its own before the view lays it out: a big
    // message reads several times faster than through setTextRtf(), which edits the shown one.
    void showRtf(const QString &rtf);
    // Shows a document read elsewhere (on a worker, then moved to this thread); the view owns it.
    void showDocument(QTextDocument *document) { adoptDocument(document); }
};

} // namespace corvane::richtext
