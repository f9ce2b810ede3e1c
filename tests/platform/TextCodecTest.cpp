#include "platform/TextCodec.h"

#include <gtest/gtest.h>

using namespace corvane::platform;

namespace {

TEST(TextCodec, Windows1252RoundTripsItsWholeRange)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    bool ok = false;
    EXPECT_EQ(encodeWindows1252(decodeWindows1252(all), &ok), all);
    EXPECT_TRUE(ok);
    EXPECT_EQ(decodeWindows1252("\x80\x93\x94"), QString::fromUtf8("€“”"));
    encodeWindows1252(QString::fromUtf8("Ж"), &ok);
    EXPECT_FALSE(ok);
}

TEST(TextCodec, Utf8ValidationCatchesBrokenSequences)
{
    EXPECT_TRUE(isValidUtf8("plain ascii text that is longer than eight bytes"));
    EXPECT_TRUE(isValidUtf8("caf\xC3\xA9 and more ascii after it"));
    EXPECT_FALSE(isValidUtf8("caf\xE9"));
    EXPECT_FALSE(isValidUtf8("\xC0\x80")) << "overlong";
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80")) << "surrogate";
    EXPECT_FALSE(isValidUtf8("abc\xE2\x82")) << "truncated";
}

TEST(TextCodec, DecodesNamedCodePages)
{
    EXPECT_EQ(decodeText("\x82\xA0", "Shift_JIS"), QString::fromUtf8("あ"));
    EXPECT_EQ(decodeText("\xC6", "windows-1251"), QString::fromUtf8("Ж"));
    EXPECT_EQ(decodeText("\xE9", "no-such-encoding"), QString::fromUtf8("é"));
}

} // namespace
