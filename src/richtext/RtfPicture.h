#pragma once

#include "richtext/RtfStyle.h"

#include <QByteArrayView>

#include <optional>

namespace corvane::richtext {

struct PixelSize
{
    int width = 0;
    int height = 0;
};

// The pixel size an encoded PNG or JPEG image declares in its header, without decoding it;
// nothing when the bytes are not such an image.
std::optional<PixelSize> encodedPictureSize(QByteArrayView data, PictureFormat format);

// The format the bytes start like, if PNG or JPEG.
std::optional<PictureFormat> sniffPictureFormat(QByteArrayView data);

} // namespace corvane::richtext
