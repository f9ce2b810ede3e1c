#include "platform/richtext/RtfPlainText.h"

#include "platform/TextCodec.h"
#include "platform/richtext/RtfEmitter.h"
#include "platform/richtext/RtfLimits.h"
#include "platform/richtext/RtfParser.h"

#include <QStringList>

#include <algorithm>

namespace corvane::platform::rtf {

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
    void picture(const Picture &, const RunStyle &) override { result.append(QChar(0xFFFC)); }
    void paragraphEnd(const ParagraphStyle &, const RunStyle &) override { result.append(QLatin1Char('\n')); }
    void finish(bool openParagraph, const ParagraphStyle &, const RunStyle &) override
    {
        // The last paragraph mark ends the document rather than starting an empty paragraph.
        if (!openParagraph && result.endsWith(QLatin1Char('\n')))
            result.chop(1);
    }
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
        return normalisedLineEnds(decodeUtf8OrWindows1252(rtf));
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

} // namespace corvane::platform::rtf
