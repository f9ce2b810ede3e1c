#include "richtext/gui/RtfWriter.h"

#include "richtext/RtfEmitter.h"
#include "richtext/RtfLimits.h"
#include "richtext/RtfPicture.h"
#include "richtext/gui/RtfQtFormat.h"

#include <QBuffer>
#include <QImage>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>

#include <algorithm>
#include <cmath>

namespace corvane::richtext {

namespace {

QByteArray encodePng(const QImage &image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

std::optional<Picture> pictureOf(const QTextImageFormat &format, const QTextDocument &document)
{
    QByteArray data = format.property(PictureDataProperty).toByteArray();
    if (!sniffPictureFormat(data)) {
        const QVariant resource = document.resource(QTextDocument::ImageResource, QUrl(format.name()));
        if (resource.userType() == QMetaType::QByteArray && sniffPictureFormat(resource.toByteArray())) {
            data = resource.toByteArray();
        } else {
            QImage image;
            if (resource.userType() == QMetaType::QImage)
                image = resource.value<QImage>();
            else if (resource.userType() == QMetaType::QPixmap || resource.canConvert<QImage>())
                image = resource.value<QImage>();
            else if (resource.userType() == QMetaType::QByteArray)
                image.loadFromData(resource.toByteArray());
            if (image.isNull())
                return std::nullopt;
            data = encodePng(image);
        }
    }
    const auto kind = sniffPictureFormat(data);
    const auto size = kind ? encodedPictureSize(data, *kind) : std::nullopt;
    if (!size)
        return std::nullopt;
    Picture p;
    p.format = *kind;
    p.data = data;
    p.pixelWidth = size->width;
    p.pixelHeight = size->height;
    const double width = format.width() > 0 ? format.width() : size->width;
    const double height = format.height() > 0 ? format.height() : size->height;
    // Display sizes stay within what the reader accepts.
    p.goalWidthTwips = static_cast<int>(std::clamp<double>(std::round(width * kTwipsPerPixel), 0, limits::kMaxTwips));
    p.goalHeightTwips = static_cast<int>(std::clamp<double>(std::round(height * kTwipsPerPixel), 0, limits::kMaxTwips));
    return p;
}

void addRun(WriterParagraph &paragraph, QStringView text, const RunStyle &style)
{
    if (!paragraph.runs.empty() && !paragraph.runs.back().picture && paragraph.runs.back().style == style) {
        paragraph.runs.back().text += text;
        return;
    }
    paragraph.runs.push_back(WriterRun{text.toString(), style, std::nullopt});
}

} // namespace

QByteArray writeDocument(const QTextDocument &document)
{
    std::vector<WriterParagraph> paragraphs;
    paragraphs.reserve(static_cast<std::size_t>(document.blockCount()));
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        WriterParagraph p;
        p.style = paragraphStyleOf(block, document);
        p.style.list.key = 0; // lists are written in the rich-edit form, which has no keys
        p.markStyle = runStyleOf(block.charFormat(), document);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            const QTextCharFormat format = fragment.charFormat();
            const RunStyle style = runStyleOf(format, document);
            const QString text = fragment.text();
            if (format.isImageFormat()) {
                const auto picture = pictureOf(format.toImageFormat(), document);
                for (qsizetype i = 0; picture && i < text.size(); ++i)
                    p.runs.push_back(WriterRun{QString(), style, picture});
                continue;
            }
            addRun(p, text, style);
        }
        paragraphs.push_back(std::move(p));
    }
    return emitRtf(paragraphs);
}

} // namespace corvane::richtext
