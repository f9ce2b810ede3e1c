#include "richtext/gui/RtfQtFormat.h"

#include "richtext/RtfLimits.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

#include <algorithm>
#include <cmath>

namespace corvane::richtext {

namespace {

int toTwips(qreal pixels)
{
    return static_cast<int>(std::clamp<qreal>(std::round(pixels * kTwipsPerPixel), -limits::kMaxTwips, limits::kMaxTwips));
}

QColor colourOf(std::uint32_t rgb)
{
    return QColor::fromRgb((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

std::uint32_t rgbOf(const QColor &colour)
{
    return colour.rgb() & 0xFFFFFFu;
}

} // namespace

QTextCharFormat charFormatFor(const RunStyle &style)
{
    QTextCharFormat f;
    if (!style.fontName.isEmpty())
        f.setFontFamilies(QStringList{style.fontName});
    f.setFontPointSize(style.halfPoints / 2.0);
    if (style.colour)
        f.setForeground(colourOf(*style.colour));
    if (style.background)
        f.setBackground(colourOf(*style.background));
    if (style.bold)
        f.setFontWeight(QFont::Bold);
    if (style.italic)
        f.setFontItalic(true);
    if (style.underline)
        f.setFontUnderline(true);
    if (style.strike)
        f.setFontStrikeOut(true);
    if (style.vertical == VerticalAlign::Super)
        f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (style.vertical == VerticalAlign::Sub)
        f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    return f;
}

RunStyle runStyleOf(const QTextCharFormat &format, const QTextDocument &document)
{
    RunStyle s;
    const QStringList families = format.fontFamilies().toStringList();
    s.fontName = families.isEmpty() || families.first().isEmpty() ? document.defaultFont().family() : families.first();
    qreal points = format.fontPointSize();
    if (points <= 0)
        points = document.defaultFont().pointSizeF();
    s.halfPoints = points > 0 ? std::clamp(static_cast<int>(std::round(points * 2)), limits::kMinHalfPoints, limits::kMaxHalfPoints) : 24;
    if (format.hasProperty(QTextFormat::ForegroundBrush) && format.foreground().style() != Qt::NoBrush)
        s.colour = rgbOf(format.foreground().color());
    if (format.hasProperty(QTextFormat::BackgroundBrush) && format.background().style() != Qt::NoBrush)
        s.background = rgbOf(format.background().color());
    s.bold = format.fontWeight() >= QFont::DemiBold;
    s.italic = format.fontItalic();
    s.underline = format.fontUnderline();
    s.strike = format.fontStrikeOut();
    if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        s.vertical = VerticalAlign::Super;
    else if (format.verticalAlignment() == QTextCharFormat::AlignSubScript)
        s.vertical = VerticalAlign::Sub;
    return s;
}

QTextBlockFormat blockFormatFor(const ParagraphStyle &style, qreal indentWidth)
{
    QTextBlockFormat f;
    switch (style.alignment) {
    case Alignment::Left: f.setAlignment(Qt::AlignLeft); break;
    case Alignment::Right: f.setAlignment(Qt::AlignRight); break;
    case Alignment::Center: f.setAlignment(Qt::AlignHCenter); break;
    case Alignment::Justify: f.setAlignment(Qt::AlignJustify); break;
    }
    const qreal left = style.leftTwips / kTwipsPerPixel;
    if (style.list.kind != ListKind::None) {
        f.setLeftMargin(std::max<qreal>(0, left - indentWidth * (style.list.level + 1)));
    } else {
        f.setLeftMargin(std::max<qreal>(0, left));
        f.setTextIndent(std::max<qreal>(style.firstLineTwips / kTwipsPerPixel, -f.leftMargin()));
    }
    f.setRightMargin(std::max<qreal>(0, style.rightTwips / kTwipsPerPixel));
    f.setTopMargin(style.spaceBeforeTwips / kTwipsPerPixel);
    f.setBottomMargin(style.spaceAfterTwips / kTwipsPerPixel);
    return f;
}

ParagraphStyle paragraphStyleOf(const QTextBlock &block, const QTextDocument &document)
{
    ParagraphStyle s;
    const QTextBlockFormat f = block.blockFormat();
    const Qt::Alignment h = f.alignment() & Qt::AlignHorizontal_Mask;
    if (h & Qt::AlignRight)
        s.alignment = Alignment::Right;
    else if (h & Qt::AlignHCenter)
        s.alignment = Alignment::Center;
    else if ((h & Qt::AlignJustify) == Qt::AlignJustify)
        s.alignment = Alignment::Justify;
    const qreal indentWidth = document.indentWidth();
    qreal left = f.leftMargin() + f.indent() * indentWidth;
    if (const QTextList *list = block.textList()) {
        s.list = listStyleOf(list->format());
        left += indentWidth * (s.list.level + 1);
        s.firstLineTwips = -kListHangingTwips;
    } else {
        s.firstLineTwips = toTwips(f.textIndent());
    }
    s.leftTwips = toTwips(left);
    s.rightTwips = toTwips(f.rightMargin());
    s.spaceBeforeTwips = std::max(0, toTwips(f.topMargin()));
    s.spaceAfterTwips = std::max(0, toTwips(f.bottomMargin()));
    return s;
}

QTextListFormat listFormatFor(const ListStyle &style)
{
    QTextListFormat f;
    switch (style.kind) {
    case ListKind::Decimal: f.setStyle(QTextListFormat::ListDecimal); break;
    case ListKind::LowerAlpha: f.setStyle(QTextListFormat::ListLowerAlpha); break;
    case ListKind::UpperAlpha: f.setStyle(QTextListFormat::ListUpperAlpha); break;
    case ListKind::LowerRoman: f.setStyle(QTextListFormat::ListLowerRoman); break;
    case ListKind::UpperRoman: f.setStyle(QTextListFormat::ListUpperRoman); break;
    default: f.setStyle(QTextListFormat::ListDisc); break;
    }
    f.setIndent(style.level + 1);
    if (style.kind != ListKind::Bullet && style.start != 1)
        f.setProperty(ListStartProperty, style.start);
    if (style.kind != ListKind::Bullet && !style.before.isEmpty())
        f.setNumberPrefix(style.before);
    if (style.kind != ListKind::Bullet && style.after != ListStyle().after)
        f.setNumberSuffix(style.after);
    if (style.key != 0)
        f.setProperty(ListKeyProperty, style.key);
    return f;
}

ListStyle listStyleOf(const QTextListFormat &format)
{
    ListStyle s;
    switch (format.style()) {
    case QTextListFormat::ListDecimal: s.kind = ListKind::Decimal; break;
    case QTextListFormat::ListLowerAlpha: s.kind = ListKind::LowerAlpha; break;
    case QTextListFormat::ListUpperAlpha: s.kind = ListKind::UpperAlpha; break;
    case QTextListFormat::ListLowerRoman: s.kind = ListKind::LowerRoman; break;
    case QTextListFormat::ListUpperRoman: s.kind = ListKind::UpperRoman; break;
    default: s.kind = ListKind::Bullet; break;
    }
    s.level = std::clamp(format.indent() - 1, 0, limits::kMaxListLevel);
    if (s.kind != ListKind::Bullet && format.hasProperty(ListStartProperty))
        s.start = format.intProperty(ListStartProperty);
    if (s.kind != ListKind::Bullet) {
        s.before = format.numberPrefix();
        if (format.hasProperty(QTextFormat::ListNumberSuffix))
            s.after = format.numberSuffix();
    }
    s.key = format.intProperty(ListKeyProperty);
    return s;
}

} // namespace corvane::richtext
