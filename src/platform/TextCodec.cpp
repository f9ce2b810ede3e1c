#include "TextCodec.h"

#include <QStringDecoder>

#include <array>
#include <cstdint>
#include <cstring>

namespace corvane::platform {

namespace {

// Windows-1252 characters 0x80-0x9F; 0 marks the five undefined bytes, kept as C1 controls.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

} // namespace

bool isValidUtf8(QByteArrayView bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto *end = p + bytes.size();
    while (p < end) {
        // Skip ASCII eight bytes at a time: stores and messages are mostly ASCII.
        while (end - p >= 8) {
            std::uint64_t word;
            std::memcpy(&word, p, 8);
            if (word & 0x8080808080808080ULL)
                break;
            p += 8;
        }
        if (p >= end)
            break;
        const unsigned char c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        int extra;
        unsigned min;
        unsigned cp;
        if ((c & 0xE0) == 0xC0) { extra = 1; min = 0x80; cp = c & 0x1F; }
        else if ((c & 0xF0) == 0xE0) { extra = 2; min = 0x800; cp = c & 0x0F; }
        else if ((c & 0xF8) == 0xF0) { extra = 3; min = 0x10000; cp = c & 0x07; }
        else return false;
        if (end - p <= extra)
            return false;
        for (int i = 1; i <= extra; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (p[i] & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        p += extra + 1;
    }
    return true;
}

QString decodeWindows1252(QByteArrayView bytes)
{
    QString out;
    out.resize(bytes.size());
    QChar *dst = out.data();
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        char16_t u = b;
        if (b >= 0x80 && b <= 0x9F && kHighControls[b - 0x80] != 0)
            u = kHighControls[b - 0x80];
        *dst++ = QChar(u);
    }
    return out;
}

QByteArray encodeWindows1252(const QString &text, bool *ok)
{
    QByteArray out;
    out.reserve(text.size());
    bool all = true;
    for (const QChar qc : text) {
        const char16_t u = qc.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out.append(static_cast<char>(u));
            continue;
        }
        char mapped = 0;
        for (std::size_t i = 0; i < kHighControls.size(); ++i) {
            if (kHighControls[i] == u) {
                mapped = static_cast<char>(0x80 + i);
                break;
            }
        }
        if (mapped == 0 && u >= 0x80 && u <= 0x9F)
            mapped = static_cast<char>(u); // undefined bytes map to themselves
        if (mapped == 0) {
            all = false;
            mapped = '?';
        }
        out.append(mapped);
    }
    if (ok)
        *ok = all;
    return out;
}

QString decodeText(QByteArrayView bytes, const QByteArray &encodingName)
{
    const QByteArray name = encodingName.trimmed().toLower();
    if (name.isEmpty() || name == "utf-8" || name == "utf8")
        return QString::fromUtf8(bytes);
    if (name == "windows-1252" || name == "cp1252" || name == "iso-8859-1" || name == "latin1"
        || name == "iso8859-1" || name == "us-ascii" || name == "ascii") {
        // ISO-8859-1 as declared by Windows writers is in practice windows-1252.
        return decodeWindows1252(bytes);
    }
    QStringDecoder decoder(encodingName.constData());
    if (!decoder.isValid())
        return decodeWindows1252(bytes);
    return decoder.decode(bytes);
}

QString decodeUtf8OrWindows1252(QByteArrayView bytes)
{
    QByteArrayView body = bytes;
    if (body.startsWith("\xEF\xBB\xBF"))
        body = body.sliced(3);
    if (isValidUtf8(body))
        return QString::fromUtf8(body);
    return decodeWindows1252(body);
}

QByteArray encodeWindows1252OrUtf8(const QString &text)
{
    bool fits = false;
    QByteArray bytes = encodeWindows1252(text, &fits);
    return fits ? bytes : text.toUtf8();
}

} // namespace corvane::platform
