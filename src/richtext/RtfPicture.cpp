#include "richtext/RtfPicture.h"

namespace corvane::richtext {

namespace {

unsigned byteAt(QByteArrayView data, qsizetype i)
{
    return static_cast<unsigned char>(data[i]);
}

std::optional<PixelSize> pngSize(QByteArrayView data)
{
    // Signature, then the IHDR chunk: length, "IHDR", width, height (big-endian).
    if (data.size() < 24 || !data.startsWith("\x89PNG\r\n\x1a\n") || data.sliced(12, 4) != "IHDR")
        return std::nullopt;
    auto be32 = [&](qsizetype i) {
        return (byteAt(data, i) << 24) | (byteAt(data, i + 1) << 16) | (byteAt(data, i + 2) << 8) | byteAt(data, i + 3);
    };
    const unsigned w = be32(16);
    const unsigned h = be32(20);
    if (w == 0 || h == 0 || w > 0x7fffffff || h > 0x7fffffff)
        return std::nullopt;
    return PixelSize{static_cast<int>(w), static_cast<int>(h)};
}

std::optional<PixelSize> jpegSize(QByteArrayView data)
{
    if (data.size() < 4 || byteAt(data, 0) != 0xFF || byteAt(data, 1) != 0xD8)
        return std::nullopt;
    qsizetype i = 2;
    while (i + 4 <= data.size()) {
        if (byteAt(data, i) != 0xFF)
            return std::nullopt;
        while (i < data.size() && byteAt(data, i) == 0xFF)
            ++i;
        if (i >= data.size())
            break;
        const unsigned marker = byteAt(data, i++);
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8))
            continue; // markers without a length
        if (marker == 0xD9 || i + 2 > data.size())
            break;
        const qsizetype length = (byteAt(data, i) << 8) | byteAt(data, i + 1);
        if (length < 2)
            return std::nullopt;
        const bool startOfFrame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8
                                  && marker != 0xCC;
        if (startOfFrame) {
            if (i + 7 > data.size())
                return std::nullopt;
            const int h = static_cast<int>((byteAt(data, i + 3) << 8) | byteAt(data, i + 4));
            const int w = static_cast<int>((byteAt(data, i + 5) << 8) | byteAt(data, i + 6));
            if (w == 0 || h == 0)
                return std::nullopt;
            return PixelSize{w, h};
        }
        i += length;
    }
    return std::nullopt;
}

} // namespace

std::optional<PixelSize> encodedPictureSize(QByteArrayView data, PictureFormat format)
{
    return format == PictureFormat::Png ? pngSize(data) : jpegSize(data);
}

std::optional<PictureFormat> sniffPictureFormat(QByteArrayView data)
{
    if (data.startsWith("\x89PNG"))
        return PictureFormat::Png;
    if (data.size() >= 2 && byteAt(data, 0) == 0xFF && byteAt(data, 1) == 0xD8)
        return PictureFormat::Jpeg;
    return std::nullopt;
}

} // namespace corvane::richtext
