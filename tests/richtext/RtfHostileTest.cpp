// Damaged and hostile input: the reader returns what it can, within its limits, and never fails.
#include "RtfTestSupport.h"

#include "richtext/RtfLimits.h"
#include "richtext/RtfPlainText.h"
#include "richtext/gui/DocumentText.h"
#include "richtext/gui/RtfReader.h"

#include <QRandomGenerator>

namespace corvane::test {
namespace {

using namespace richtext;

ReadReport readInto(QTextDocument &doc, const QByteArray &rtf)
{
    return readDocument(rtf, doc);
}

TEST(RtfHostile, EveryTruncationOfARealDocumentReadsWithoutHarm)
{
    for (const char *name : {"word2016.rtf", "libreoffice.rtf", "picture_png.rtf", "japanese_932.rtf"}) {
        const QByteArray full = corpusFile(QString::fromLatin1(name));
        const QString fullText = rtfToPlainText(full);
        for (qsizetype cut = 0; cut < full.size(); ++cut) {
            const QByteArray part = full.left(cut);
            const QString text = rtfToPlainText(part);
            ASSERT_LE(text.size(), fullText.size() + 1) << name << " cut at " << cut;
            if (cut % 61 == 0) {
                QTextDocument doc;
                const ReadReport report = readInto(doc, part);
                EXPECT_TRUE(report.unbalanced || cut < 5) << name << " cut at " << cut;
            }
        }
    }
}

struct Case
{
    const char *what;
    QByteArray rtf;
    QString text;
    bool limited;
    bool unbalanced;
};

void PrintTo(const Case &c, std::ostream *os)
{
    *os << c.what;
}

class RtfHostileCase : public ::testing::TestWithParam<Case>
{
};

TEST_P(RtfHostileCase, GivesTheBestEffortDocument)
{
    const Case &c = GetParam();
    EXPECT_EQ(rtfToPlainText(c.rtf).toStdString(), c.text.toStdString());
    QTextDocument doc;
    const ReadReport report = readInto(doc, c.rtf);
    EXPECT_EQ(documentText(doc).toStdString(), c.text.toStdString());
    EXPECT_EQ(report.limited, c.limited);
    EXPECT_EQ(report.unbalanced, c.unbalanced);
}

QByteArray repeated(const QByteArray &piece, qsizetype times)
{
    return piece.repeated(times);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, RtfHostileCase,
    ::testing::Values(
        Case{"extra closing braces end the document", "{\\rtf1 a}}}} b", QStringLiteral("a"), false, false},
        Case{"missing closing braces", "{\\rtf1 {{{a\\par b", QStringLiteral("a\nb"), false, true},
        Case{"huge numbers saturate", "{\\rtf1\\fs99999999999999999999 a\\li-99999999999\\sa99999999 b"
                                      "\\u99999999999 c\\uc999999999\\u65 dddddddddddddddddddd e\\cf-5 f}",
             QStringLiteral("abAdddd ef"), false, false},
        Case{"skip count ends at a group", "{\\rtf1\\uc5\\u65 {x}yz}", QStringLiteral("Axyz"), false, false},
        Case{"unicode edge values", "{\\rtf1\\u-32768?\\u0?\\u65535?\\u-1?\\u32767?}",
             QString(QChar(0x8000)) + QChar(0xFFFF) + QChar(0xFFFF) + QChar(0x7FFF), false, false},
        Case{"\\bin beyond the input", "{\\rtf1 a\\bin999999999 xyz}", QStringLiteral("a"), false, true},
        Case{"negative \\bin", "{\\rtf1 a\\bin-5 b}", QStringLiteral("ab"), false, false},
        Case{"broken escapes", "{\\rtf1 a\\'zz\\'4 b\\'", QStringLiteral("azz b"), false, true},
        Case{"deep nesting is skipped beyond the limit",
             "{\\rtf1 a" + repeated("{", 100000) + "deep" + repeated("}", 100000) + "b}", QStringLiteral("ab"), true,
             false},
        Case{"deep unclosed nesting", "{\\rtf1 a" + repeated("{x", 300000), QStringLiteral("a") + QString(199, QLatin1Char('x')),
             true, true},
        Case{"too many groups", "{\\rtf1 a" + repeated("{}", limits::kMaxGroups + 10) + "b}", QStringLiteral("a"), true,
             false},
        Case{"control word too long", "{\\rtf1 a\\" + repeated("b", 1000) + " c}", QStringLiteral("ac"), false, false},
        Case{"nul bytes and control characters", QByteArray("{\\rtf1 a\0b\x01\x7f c}", 15), QStringLiteral("ab\x7f c"),
             false, false},
        Case{"picture claiming a huge size",
             "{\\rtf1 a{\\pict\\pngblip 89504e470d0a1a0a0000000d4948445200100000001000000802000000}b}",
             QStringLiteral("ab"), false, false},
        Case{"picture that is not a picture", "{\\rtf1 a{\\pict\\pngblip 0102030405}b}", QStringLiteral("ab"), false,
             false},
        Case{"control characters from escapes", "{\\rtf1 a\\'0d\\'0ab\\u13?c\\u8233?d\\u65532?e}", QStringLiteral("abcde"),
             false, false},
        Case{"half a double-byte character ends the document", "{\\rtf1\\ansicpg932 a\\par\\'82}", QStringLiteral("a"),
             false, false},
        Case{"not rtf at all", "plain\r\ntext", QStringLiteral("plain\ntext"), false, false},
        Case{"empty input", "", QString(), false, false},
        Case{"only the opening", "{\\rtf", QString(), false, true}));

TEST(RtfHostile, HugeBodyIsCutAtTheOutputLimit)
{
    const QByteArray body = "{\\rtf1\\ansi " + QByteArray("word ").repeated(10 * 1024 * 1024) + "}";
    ASSERT_GE(body.size(), 50 * 1000 * 1000);
    const QString text = rtfToPlainText(body);
    EXPECT_EQ(text.size(), limits::kMaxOutputChars);
    QTextDocument doc;
    const ReadReport report = readInto(doc, body);
    EXPECT_TRUE(report.limited);
    EXPECT_EQ(doc.characterCount() - 1, limits::kMaxOutputChars);
}

TEST(RtfHostile, OversizedPicturesAreLeftOut)
{
    // A valid PNG header, then more hex data than one picture may hold.
    QByteArray rtf = "{\\rtf1 a{\\pict\\pngblip 89504e470d0a1a0a0000000d49484452000000040000000308020000003b963991";
    rtf += QByteArray("00").repeated(limits::kMaxPictureBytes + 1);
    rtf += "}b}";
    QTextDocument doc;
    const ReadReport report = readInto(doc, rtf);
    EXPECT_EQ(documentText(doc), QStringLiteral("ab"));
    EXPECT_TRUE(report.limited);
}

TEST(RtfHostile, FontAndColourTableFloodsAreBounded)
{
    QByteArray rtf = "{\\rtf1{\\fonttbl";
    for (int i = 0; i < 20000; ++i)
        rtf += "{\\f" + QByteArray::number(i) + " F" + QByteArray::number(i) + ";}";
    rtf += "}{\\colortbl;" + QByteArray("\\red1\\green2\\blue3;").repeated(20000) + "}";
    rtf += "\\f19999\\cf19999 x\\f10\\cf10 y}";
    QTextDocument doc;
    readInto(doc, rtf);
    EXPECT_EQ(documentText(doc), QStringLiteral("xy"));
    EXPECT_EQ(runStyleAt(doc, QStringLiteral("x")).fontName, QStringLiteral("F0"));
    EXPECT_FALSE(runStyleAt(doc, QStringLiteral("x")).colour.has_value());
    EXPECT_EQ(runStyleAt(doc, QStringLiteral("y")).fontName, QStringLiteral("F10"));
    EXPECT_EQ(runStyleAt(doc, QStringLiteral("y")).colour, std::optional<std::uint32_t>(0x010203));
}

TEST(RtfHostile, FontNamesLoseControlCharacters)
{
    QTextDocument doc;
    readInto(doc, "{\\rtf1{\\fonttbl{\\f0 \\'01 Ari\\'09al\\u1?;}}\\f0 x}");
    EXPECT_EQ(runStyleAt(doc, QStringLiteral("x")).fontName, QStringLiteral("Arial"));
}

TEST(RtfHostile, BinaryGarbageReadsWithoutHarm)
{
    QRandomGenerator random(20240305);
    const char alphabet[] = "{}\\'*abcdefghijklmnopqrstuvwxyz0123456789- ;\x80\xff\x00";
    for (int round = 0; round < 300; ++round) {
        QByteArray rtf = "{\\rtf1";
        const int length = static_cast<int>(random.bounded(4000));
        for (int i = 0; i < length; ++i) {
            if (random.bounded(4) == 0)
                rtf += static_cast<char>(random.bounded(256));
            else
                rtf += alphabet[random.bounded(static_cast<int>(sizeof alphabet - 1))];
        }
        rtfToPlainText(rtf);
        QTextDocument doc;
        readInto(doc, rtf);
        readDocument(QString::fromLatin1(rtf), doc);
    }
    SUCCEED();
}

} // namespace
} // namespace corvane::test
