#include "richtext/RtfEmitter.h"

#include <QHash>

#include <algorithm>

#include <vector>

namespace corvane::richtext {

namespace {

const QString &fallbackFont()
{
    static const QString name = QString::fromLatin1(kFallbackFontName);
    return name;
}

const QString &symbolFont()
{
    static const QString name = QStringLiteral("Symbol");
    return name;
}

QString fontNameOf(const RunStyle &style)
{
    return style.fontName.isEmpty() ? fallbackFont() : style.fontName;
}

// The number text of a list item, as shown in \pntext for readers without list support.
QByteArray itemLabel(ListKind kind, int number)
{
    switch (kind) {
    case ListKind::LowerAlpha:
    case ListKind::UpperAlpha: {
        QByteArray s;
        int n = std::max(number, 1);
        while (n > 0) {
            --n;
            s.prepend(static_cast<char>((kind == ListKind::LowerAlpha ? 'a' : 'A') + n % 26));
            n /= 26;
        }
        return s;
    }
    case ListKind::LowerRoman:
    case ListKind::UpperRoman: {
        static const std::pair<int, const char *> numerals[] = {{1000, "m"}, {900, "cm"}, {500, "d"}, {400, "cd"},
                                                                {100, "c"},  {90, "xc"},  {50, "l"},  {40, "xl"},
                                                                {10, "x"},   {9, "ix"},   {5, "v"},   {4, "iv"},
                                                                {1, "i"}};
        QByteArray s;
        int n = std::clamp(number, 1, 3999);
        for (const auto &[value, text] : numerals) {
            while (n >= value) {
                s += text;
                n -= value;
            }
        }
        return kind == ListKind::UpperRoman ? s.toUpper() : s;
    }
    default:
        return QByteArray::number(number);
    }
}

const char *numberingWord(ListKind kind)
{
    switch (kind) {
    case ListKind::LowerAlpha: return "\\pnlcltr";
    case ListKind::UpperAlpha: return "\\pnucltr";
    case ListKind::LowerRoman: return "\\pnlcrm";
    case ListKind::UpperRoman: return "\\pnucrm";
    default: return "\\pndec";
    }
}

// Characters that carry no text of their own: control characters, and the marks of objects and
// frames. They are left out.
bool isDropped(char16_t c)
{
    return (c < 0x20 && c != '\t') || c == 0xFFFC || c == 0x2029 || c == 0xFDD0 || c == 0xFDD1;
}

bool hasContent(const WriterRun &run)
{
    return run.picture || std::any_of(run.text.cbegin(), run.text.cend(), [](QChar c) { return !isDropped(c.unicode()); });
}

class Writer
{
public:
    explicit Writer(const std::vector<WriterParagraph> &paragraphs) : m_paragraphs(paragraphs) {}

    QByteArray write()
    {
        collectTables();
        qsizetype size = 256;
        for (const WriterParagraph &p : m_paragraphs)
            for (const WriterRun &r : p.runs)
                size += r.text.size() + (r.picture ? r.picture->data.size() * 2 + 64 : 0);
        m_out.reserve(size + size / 8);
        writeHeader();
        ListStyle previous;
        int number = 0;
        for (const WriterParagraph &p : m_paragraphs) {
            const ListStyle &list = p.style.list;
            if (list.kind == ListKind::None)
                number = 0;
            else if (previous.kind != ListKind::None && previous == list)
                ++number;
            else
                number = list.start;
            previous = list;
            writeParagraph(p, number);
        }
        m_out += "}\n";
        return m_out;
    }

private:
    void collectTables()
    {
        bool bullets = false;
        for (const WriterParagraph &p : m_paragraphs) {
            if (p.style.list.kind == ListKind::Bullet)
                bullets = true;
            if (std::none_of(p.runs.cbegin(), p.runs.cend(), hasContent))
                addStyle(p.markStyle);
            for (const WriterRun &r : p.runs) {
                if (hasContent(r))
                    addStyle(r.style);
            }
        }
        if (m_fonts.isEmpty())
            addFont(fallbackFont());
        if (bullets)
            m_symbolFont = addFont(symbolFont());
    }

    int addFont(const QString &name)
    {
        const auto it = m_fontIndex.constFind(name);
        if (it != m_fontIndex.constEnd())
            return it.value();
        const int index = static_cast<int>(m_fonts.size());
        m_fonts.push_back(name);
        m_fontIndex.insert(name, index);
        return index;
    }

    int addColour(std::uint32_t rgb)
    {
        const auto it = m_colourIndex.constFind(rgb);
        if (it != m_colourIndex.constEnd())
            return it.value();
        m_colours.push_back(rgb);
        const int index = static_cast<int>(m_colours.size()); // index 0 is the automatic colour
        m_colourIndex.insert(rgb, index);
        return index;
    }

    void addStyle(const RunStyle &style)
    {
        addFont(fontNameOf(style));
        if (style.colour)
            addColour(*style.colour);
        if (style.background)
            addColour(*style.background);
    }

    void writeHeader()
    {
        m_out += "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl";
        for (qsizetype i = 0; i < m_fonts.size(); ++i) {
            m_out += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset" + (m_fonts[i] == symbolFont() ? "2 " : "0 ");
            appendText(m_fonts[i], true);
            m_out += ";}";
        }
        m_out += "}\n";
        if (!m_colours.isEmpty()) {
            m_out += "{\\colortbl ;";
            for (const std::uint32_t rgb : m_colours) {
                m_out += "\\red" + QByteArray::number((rgb >> 16) & 0xFF) + "\\green" + QByteArray::number((rgb >> 8) & 0xFF)
                         + "\\blue" + QByteArray::number(rgb & 0xFF) + ';';
            }
            m_out += "}\n";
        }
        m_out += "\\viewkind4\\uc1\n";
    }

    void writeParagraph(const WriterParagraph &p, int number)
    {
        const ParagraphStyle &s = p.style;
        m_out += "\\pard";
        if (s.list.kind == ListKind::Bullet) {
            const QByteArray f = QByteArray::number(m_symbolFont);
            m_out += "{\\pntext\\f" + f + "\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf" + f + "\\pnindent0{\\pntxtb\\'B7}}";
        } else if (s.list.kind != ListKind::None) {
            const auto firstRun = std::find_if(p.runs.cbegin(), p.runs.cend(), hasContent);
            const RunStyle &first = firstRun == p.runs.cend() ? p.markStyle : firstRun->style;
            const QByteArray f = QByteArray::number(m_fontIndex.value(fontNameOf(first)));
            m_out += "{\\pntext\\f" + f + ' ';
            appendText(s.list.before, false);
            m_out += itemLabel(s.list.kind, number);
            appendText(s.list.after, false);
            m_out += "\\tab}{\\*\\pn\\pnlvlbody\\pnf" + f + "\\pnindent0\\pnstart" + QByteArray::number(s.list.start)
                     + numberingWord(s.list.kind);
            if (!s.list.before.isEmpty())
                appendNumberText("{\\pntxtb", s.list.before);
            appendNumberText("{\\pntxta", s.list.after);
            m_out += '}';
        }
        if (s.list.kind != ListKind::None && s.list.level > 0)
            m_out += "\\ilvl" + QByteArray::number(s.list.level);
        if (s.firstLineTwips != 0)
            m_out += "\\fi" + QByteArray::number(s.firstLineTwips);
        if (s.leftTwips != 0)
            m_out += "\\li" + QByteArray::number(s.leftTwips);
        if (s.rightTwips != 0)
            m_out += "\\ri" + QByteArray::number(s.rightTwips);
        if (s.spaceBeforeTwips != 0)
            m_out += "\\sb" + QByteArray::number(s.spaceBeforeTwips);
        if (s.spaceAfterTwips != 0)
            m_out += "\\sa" + QByteArray::number(s.spaceAfterTwips);
        switch (s.alignment) {
        case Alignment::Right: m_out += "\\qr"; break;
        case Alignment::Center: m_out += "\\qc"; break;
        case Alignment::Justify: m_out += "\\qj"; break;
        case Alignment::Left: break;
        }
        m_needSpace = true;
        if (std::none_of(p.runs.cbegin(), p.runs.cend(), hasContent))
            switchTo(p.markStyle);
        for (const WriterRun &r : p.runs) {
            if (!hasContent(r))
                continue;
            switchTo(r.style);
            if (r.picture) {
                writePicture(*r.picture);
            } else {
                if (m_needSpace)
                    m_out += ' ';
                m_needSpace = false;
                appendText(r.text, false);
            }
        }
        m_out += "\\par\n";
        m_needSpace = false;
    }

    void word(const char *w)
    {
        m_out += w;
        m_needSpace = true;
    }

    void word(const char *w, int value)
    {
        m_out += w;
        m_out += QByteArray::number(value);
        m_needSpace = true;
    }

    // Writes the control words that turn the current character state into the style.
    void switchTo(const RunStyle &s)
    {
        const int font = m_fontIndex.value(fontNameOf(s));
        if (font != m_font)
            word("\\f", font);
        if (s.halfPoints != m_state.halfPoints || !m_started)
            word("\\fs", s.halfPoints);
        const int colour = s.colour ? m_colourIndex.value(*s.colour) : 0;
        if (colour != m_colour)
            word("\\cf", colour);
        const int background = s.background ? m_colourIndex.value(*s.background) : 0;
        if (background != m_background)
            word("\\highlight", background);
        if (s.bold != m_state.bold)
            word(s.bold ? "\\b" : "\\b0");
        if (s.italic != m_state.italic)
            word(s.italic ? "\\i" : "\\i0");
        if (s.underline != m_state.underline)
            word(s.underline ? "\\ul" : "\\ulnone");
        if (s.strike != m_state.strike)
            word(s.strike ? "\\strike" : "\\strike0");
        if (s.vertical != m_state.vertical) {
            word(s.vertical == VerticalAlign::Super ? "\\super"
                 : s.vertical == VerticalAlign::Sub ? "\\sub"
                                                    : "\\nosupersub");
        }
        m_state = s;
        m_font = font;
        m_colour = colour;
        m_background = background;
        m_started = true;
    }

    void writePicture(const Picture &picture)
    {
        static const char hex[] = "0123456789abcdef";
        m_out += picture.format == PictureFormat::Png ? "{\\pict\\pngblip" : "{\\pict\\jpegblip";
        m_out += "\\picw" + QByteArray::number(picture.pixelWidth) + "\\pich" + QByteArray::number(picture.pixelHeight)
                 + "\\picwgoal" + QByteArray::number(picture.goalWidthTwips) + "\\pichgoal"
                 + QByteArray::number(picture.goalHeightTwips) + '\n';
        const QByteArray &data = picture.data;
        for (qsizetype i = 0; i < data.size(); ++i) {
            const auto b = static_cast<unsigned char>(data[i]);
            m_out += hex[b >> 4];
            m_out += hex[b & 0xF];
            if (i % 64 == 63)
                m_out += '\n';
        }
        m_out += "\n}";
        m_needSpace = false;
    }

    // A \pntxta or \pntxtb group; a space ends the control word where the text would run on from it.
    void appendNumberText(const char *word, const QString &text)
    {
        m_out += word;
        if (text.isEmpty() || text.front().isLetterOrNumber() || text.front() == u' ' || text.front() == u'-')
            m_out += ' ';
        appendText(text, false);
        m_out += '}';
    }

    void appendText(const QString &text, bool fontName)
    {
        for (const QChar qc : text) {
            const char16_t c = qc.unicode();
            if (c >= 0x20 && c < 0x7F) {
                if (c == '\\' || c == '{' || c == '}' || (fontName && c == ';'))
                    m_out += '\\';
                if (fontName && c == ';')
                    m_out += "'3b";
                else
                    m_out += static_cast<char>(c);
            } else if (c == '\t') {
                m_out += "\\tab ";
            } else if (c == 0x2028) {
                m_out += "\\line ";
            } else if (isDropped(c)) {
            } else {
                m_out += "\\u";
                m_out += QByteArray::number(c >= 0x8000 ? int(c) - 0x10000 : int(c));
                m_out += '?';
            }
        }
    }

    const std::vector<WriterParagraph> &m_paragraphs;
    QByteArray m_out;
    QList<QString> m_fonts;
    QHash<QString, int> m_fontIndex;
    QList<std::uint32_t> m_colours;
    QHash<std::uint32_t, int> m_colourIndex;
    int m_symbolFont = 0;

    // The character state of the output so far; the first run sets font and size explicitly.
    RunStyle m_state;
    int m_font = -1;
    int m_colour = 0;
    int m_background = 0;
    bool m_started = false;
    bool m_needSpace = false;
};

} // namespace

QByteArray emitRtf(const std::vector<WriterParagraph> &paragraphs)
{
    return Writer(paragraphs).write();
}

} // namespace corvane::richtext
