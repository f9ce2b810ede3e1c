#include "VisibleText.h"

#include <gtest/gtest.h>

using corvane::cli::TextKind;
using corvane::cli::visibleText;

namespace {

struct VisibleCase
{
    TextKind kind;
    const char16_t *text;
    const char16_t *shown;
};

TEST(VisibleText, EscapesWhatCouldDriveATerminalOrBreakALineAndNothingElse)
{
    const VisibleCase cases[] = {
        {TextKind::Field, u"Grüße, 日本 \U0001F600", u"Grüße, 日本 \U0001F600"},
        {TextKind::Field, u"line1\n2\tcol\r", u"line1\\n2\\tcol\\r"},
        {TextKind::Field, u"\x1b[2J\x1b]0;title\x07", u"\\x1b[2J\\x1b]0;title\\x07"},
        {TextKind::Field, u"C:\\x1b", u"C:\\\\x1b"}, // a literal backslash cannot pass for an escape
        {TextKind::Field, u"a\u009bb\u007f\x01", u"a\\x9bb\\x7f\\x01"},
        {TextKind::Field, u"\u202etxt.exe\u2066\u2028", u"\\u202etxt.exe\\u2066\\u2028"},
        {TextKind::Body, u"a\tb\nc\r\n\x1b[31m\\", u"a\tb\nc\\r\n\\x1b[31m\\\\"},
        {TextKind::Diagnostic, u"C:\\share\\\x1b[2J\n", u"C:\\share\\\\x1b[2J\n"},
        {TextKind::Rtf, u"{\\rtf1 a\x1b[2J\u009b\u202e\r\n\t}", u"{\\rtf1 a\\'1b[2J\\'9b\\u8238?\r\n\t}"},
    };
    for (const VisibleCase &c : cases)
        EXPECT_EQ(visibleText(QString::fromUtf16(c.text), c.kind), QString::fromUtf16(c.shown))
            << QString::fromUtf16(c.text).toStdString();
}

} // namespace
