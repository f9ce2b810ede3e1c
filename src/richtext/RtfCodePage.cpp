#include "richtext/RtfCodePage.h"

#include "platform/TextCodec.h"

#include <algorithm>

namespace corvane::richtext {

int codePageForCharset(int charset, int documentCodePage)
{
    switch (charset) {
    case 0: return 1252;     // ANSI
    case 2: return 1252;     // symbol fonts: bytes are glyph numbers, shown through the font
    case 77: return kCodePageMacRoman;
    case 78: return 932;     // Mac Shift-JIS
    case 79: return 949;     // Mac Hangul
    case 80: return 936;     // Mac GB2312
    case 81: return 950;     // Mac Big5
    case 128: return 932;    // Shift-JIS
    case 129: return 949;    // Hangul
    case 134: return 936;    // GB2312
    case 136: return 950;    // Big5
    case 161: return 1253;   // Greek
    case 162: return 1254;   // Turkish
    case 163: return 1258;   // Vietnamese
    case 177: return 1255;   // Hebrew
    case 178: return 1256;   // Arabic
    case 186: return 1257;   // Baltic
    case 204: return 1251;   // Cyrillic
    case 222: return 874;    // Thai
    case 238: return 1250;   // Central European
    case 254: return kCodePagePc; // PC 437
    case 255: return kCodePagePc; // OEM
    default: return documentCodePage;
    }
}

QByteArray encodingNameForCodePage(int codePage)
{
    switch (codePage) {
    case 932: return "windows-31j";
    case 936: return "windows-936";
    case 949: return "windows-949";
    case 950: return "windows-950";
    case kCodePagePc: return "IBM437";
    case 850: return "IBM850";
    case kCodePageMacRoman: return "macintosh";
    case kCodePageUtf8: return "UTF-8";
    default: break;
    }
    if ((codePage >= 1250 && codePage <= 1258) || codePage == 874)
        return "windows-" + QByteArray::number(codePage);
    return "cp" + QByteArray::number(codePage);
}

void appendDecoded(QString &out, QByteArrayView bytes, int codePage)
{
    if (bytes.isEmpty())
        return;
    bool ascii = true;
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii) {
        out.append(QLatin1StringView(bytes.data(), bytes.size()));
        return;
    }
    if (codePage == kCodePageWindowsLatin1) {
        out.append(platform::decodeWindows1252(bytes));
        return;
    }
    const qsizetype from = out.size();
    out.append(platform::decodeText(bytes, encodingNameForCodePage(codePage)));
    // Code page 437 has one mu, at 0xE6; DOS text means it as the micro sign, as Windows maps it.
    if (codePage == kCodePagePc)
        std::replace(out.begin() + from, out.end(), QChar(0x03BC), QChar(0x00B5));
}

} // namespace corvane::richtext
