#pragma once

#include "richtext/RtfSink.h"
#include "richtext/RtfStyle.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <memory>

namespace corvane::richtext {

// What reading left out.
struct ReadReport
{
    bool limited = false;    // a bound of RtfLimits.h was reached; the rest was skipped
    bool unbalanced = false; // the input ended inside an open group (truncated document)
};

// Reads an RTF document and hands its content to a sink. Knows groups, control words and symbols,
// destinations, code pages, \uN with fallback skipping, \binN, pictures, old-style and Word lists,
// and tables (cells become tabs, rows paragraphs, paragraph marks inside a cell line breaks).
// Unknown control words are ignored.
class RtfParser
{
public:
    // rawTextIsUtf8: literal bytes 0x80-0xFF in the text are UTF-8 (an RTF document that was held
    // as a Unicode string); otherwise they are in the document's code page, as RTF files are.
    explicit RtfParser(RtfSink &sink, bool rawTextIsUtf8 = false);
    ~RtfParser();
    RtfParser(const RtfParser &) = delete;
    RtfParser &operator=(const RtfParser &) = delete;

    ReadReport parse(QByteArrayView rtf);

private:
    struct State;
    std::unique_ptr<State> d;
};

// True when the bytes start (after blanks) with "{\rtf".
bool looksLikeRtf(QByteArrayView bytes);

} // namespace corvane::richtext
