#pragma once

#include "richtext/RtfStyle.h"

#include <QStringView>

namespace corvane::richtext {

// Receives the content of an RTF document in reading order. Text comes in runs of one style;
// a paragraph's style is known only at its end, so paragraphEnd() closes the paragraph that the
// preceding text and pictures filled.
class RtfSink
{
public:
    virtual ~RtfSink() = default;

    virtual void text(QStringView text, const RunStyle &style) = 0;
    virtual void picture(const Picture &picture, const RunStyle &style) = 0;
    // markStyle is the character style at the paragraph mark (what an empty paragraph types with).
    virtual void paragraphEnd(const ParagraphStyle &style, const RunStyle &markStyle) = 0;
    // Called once at the end. When the last paragraph got content but no paragraph mark,
    // openParagraph is true and style/markStyle are the ones in force at the end.
    virtual void finish(bool openParagraph, const ParagraphStyle &style, const RunStyle &markStyle) = 0;
};

} // namespace corvane::richtext
