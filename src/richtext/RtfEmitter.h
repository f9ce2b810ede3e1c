#pragma once

#include "richtext/RtfStyle.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

// The RTF this program writes, from paragraphs of styled runs. The dialect is the rich-edit
// control's: "{\rtf1\ansi\ansicpg1252\deff0", a font table and a colour table in order of first
// use, \uN? for every character beyond ASCII, bullets and numbering as {\pntext ...}{\*\pn ...},
// and every paragraph closed by \par. The output depends on nothing but the paragraphs, so
// writing what was read from this writer's output gives the same bytes again.
namespace corvane::richtext {

inline constexpr char kFallbackFontName[] = "Times New Roman";

struct WriterRun
{
    QString text;                  // empty for a picture
    RunStyle style;
    std::optional<Picture> picture;
};

struct WriterParagraph
{
    ParagraphStyle style;
    RunStyle markStyle; // the paragraph mark's style, written for empty paragraphs
    std::vector<WriterRun> runs;
};

QByteArray emitRtf(const std::vector<WriterParagraph> &paragraphs);

} // namespace corvane::richtext
