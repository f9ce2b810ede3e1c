#include "richtext/RtfPlainText.h"

#include "platform/TextCodec.h"
#include "richtext/RtfEmitter.h"
#include "richtext/RtfLimits.h"
#include "richtext/RtfListNumbers.h"
#include "richtext/RtfParser.h"

#include <QStringList>

#include <algorithm>

namespace corvane::richtext {

namespace {

class PlainTextSink final : public RtfSink
{
public:
    QString result;

    void text(QStringView text, const RunStyle &) override
    {
        const qsizetype from = result.size();
        result.append(text);
        std::replace(result.begin() + from, result.end(), QChar(0x2028), QChar(u'\n'));
    }
    // Pictures have no text.
    void picture(const Picture &, const RunStyle &) override {}
    void paragraphEnd(const ParagraphStyle &style, const RunStyle &) override
    {
        label(style.list);
        result.append(QLatin1Char('\n'));
        m_paragraphStart = result.size();
    }
    void finish(bool openParagraph, const ParagraphStyle &style, const RunStyle &) override
    {
        // The last paragraph mark ends the document rather than starting an empty paragraph.
        if (openParagraph)
            label(style.list);
        else if (result.endsWith(QLatin1Char('\n')))
            result.chop(1);
    }

private:
    // Puts the list label, indented one tab per level and followed by a tab, before the
    // paragraph that just ended.
    void label(const ListStyle &list)
    {
        if (list.kind == ListKind::None) {
            m_numbers.interrupt();
            return;
        }
        const QString text = QString(list.level, QLatin1Char('\t')) + listLabel(list, m_numbers.add(list).number)
                             + QLatin1Char('\t');
        result.insert(m_paragraphStart, text);
    }

    ListNumbers m_numbers;
    qsizetype m_paragraphStart = 0;
};

QString normalisedLineEnds(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QString plainText(QByteArrayView bytes, bool rawUtf8)
{
    PlainTextSink sink;
    RtfParser parser(sink, rawUtf8);
    parser.parse(bytes);
    return sink.result;
}

} // namespace

QString rtfToPlainText(QByteArrayView rtf)
{
    if (!looksLikeRtf(rtf))
        return normalisedLineEnds(platform::decodeUtf8OrWindows1252(rtf));
    return plainText(rtf, false);
}

QString rtfToPlainText(const QString &rtf)
{
    const QByteArray bytes = rtf.toUtf8();
    if (!looksLikeRtf(bytes))
        return normalisedLineEnds(rtf);
    return plainText(bytes, true);
}

QByteArray plainTextToRtf(const QString &text, const QString &fontName, int pointSize)
{
    RunStyle style;
    style.fontName = fontName;
    style.halfPoints = std::clamp(pointSize * 2, limits::kMinHalfPoints, limits::kMaxHalfPoints);
    std::vector<WriterParagraph> paragraphs;
    const QStringList lines = normalisedLineEnds(text).split(QLatin1Char('\n'));
    paragraphs.reserve(static_cast<std::size_t>(lines.size()));
    for (const QString &line : lines) {
        WriterParagraph p;
        p.markStyle = style;
        if (!line.isEmpty())
            p.runs.push_back(WriterRun{line, style, std::nullopt});
        paragraphs.push_back(std::move(p));
    }
    return emitRtf(paragraphs);
}

} // namespace corvane::richtext
