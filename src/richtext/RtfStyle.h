#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// The formatting the RTF reader and writer carry between RTF and a text document, in RTF's own
// units: sizes in half points, distances in twips (1/20 point), colours as 0xRRGGBB.
namespace corvane::richtext {

enum class Alignment : std::uint8_t { Left, Right, Center, Justify };
enum class VerticalAlign : std::uint8_t { Normal, Super, Sub };
enum class ListKind : std::uint8_t { None, Bullet, Decimal, LowerAlpha, UpperAlpha, LowerRoman, UpperRoman };

// One character run's look.
struct RunStyle
{
    QString fontName; // empty: the document's default font
    int halfPoints = 24;
    std::optional<std::uint32_t> colour;     // text colour; none: automatic
    std::optional<std::uint32_t> background; // highlight; none: no highlight
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    VerticalAlign vertical = VerticalAlign::Normal;

    bool operator==(const RunStyle &) const = default;
};

// Membership of a paragraph in a bulleted or numbered list. Consecutive paragraphs with equal
// kind, level and key belong to one list.
struct ListStyle
{
    ListKind kind = ListKind::None;
    int level = 0;  // 0 for the outermost level
    int start = 1;  // number of the first item
    int key = 0;    // tells apart lists of the same kind (Word's \ls number)
    // Numbered lists: the text before and after the number ("(", ")"); bullets have none.
    QString before;
    QString after = QStringLiteral(".");

    bool operator==(const ListStyle &) const = default;
};

struct ParagraphStyle
{
    Alignment alignment = Alignment::Left;
    int leftTwips = 0;
    int rightTwips = 0;
    int firstLineTwips = 0; // relative to leftTwips; negative for a hanging indent
    int spaceBeforeTwips = 0;
    int spaceAfterTwips = 0;
    ListStyle list;

    bool operator==(const ParagraphStyle &) const = default;
};

enum class PictureFormat : std::uint8_t { Png, Jpeg };

// A picture the reader accepted: its encoded bytes and the size to show it at.
struct Picture
{
    PictureFormat format = PictureFormat::Png;
    QByteArray data;
    int pixelWidth = 0;   // of the encoded image
    int pixelHeight = 0;
    int goalWidthTwips = 0;  // display size; 0 when the document gives none
    int goalHeightTwips = 0;
};

} // namespace corvane::richtext
