#pragma once

#include "richtext/RtfStyle.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextFormat>
#include <QTextListFormat>

class QTextBlock;
class QTextDocument;

// Conversions between the RTF reader's and writer's styles and Qt's text formats.
//
// Units: a document's margins are in pixels at 96 dpi, that is 15 twips per pixel, so that an
// RTF distance in twips reads back exactly. A list item's text starts at its left margin plus
// one indent width (QTextDocument::indentWidth) per list level; in RTF the text starts at \li.
namespace corvane::richtext {

inline constexpr double kTwipsPerPixel = 15.0;
// The hanging indent written for list items: the bullet sits this far left of the text.
inline constexpr int kListHangingTwips = 360;

// Properties this program keeps in formats beyond Qt's own.
enum FormatProperty : int {
    // On an image format: the picture's original encoded bytes (QByteArray), written back unchanged.
    PictureDataProperty = QTextFormat::UserProperty + 0x5201,
    // On a list format: the number of the first item (int).
    ListStartProperty = QTextFormat::UserProperty + 0x5202,
    // On a list format: the number that tells lists of one kind apart (Word's \ls), int.
    ListKeyProperty = QTextFormat::UserProperty + 0x5203,
};

QTextCharFormat charFormatFor(const RunStyle &style);
// The style a character format shows with, values it leaves open taken from the document's font.
RunStyle runStyleOf(const QTextCharFormat &format, const QTextDocument &document);

// The block format of a paragraph; list membership is set separately.
QTextBlockFormat blockFormatFor(const ParagraphStyle &style, qreal indentWidth);
ParagraphStyle paragraphStyleOf(const QTextBlock &block, const QTextDocument &document);

QTextListFormat listFormatFor(const ListStyle &style);
ListStyle listStyleOf(const QTextListFormat &format);

} // namespace corvane::richtext
