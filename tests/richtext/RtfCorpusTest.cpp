// Documents in the styles real writers produce: their text, a few formats each, and round trips.
#include "RtfTestSupport.h"

#include "richtext/RtfPlainText.h"
#include "richtext/gui/DocumentText.h"
#include "richtext/gui/RtfReader.h"
#include "richtext/gui/RtfWriter.h"

#include <QTextImageFormat>
#include <QTextList>

namespace corvane::test {
namespace {

using namespace richtext;

const char *const kCorpus[] = {"wordpad",   "richtextbox_reply", "word2016", "libreoffice", "cyrillic_greek",
                               "japanese_932", "code_pages",      "mac_roman", "pc_437",     "unicode_u",
                               "picture_png", "pandoc"};

class CorpusTest : public ::testing::TestWithParam<const char *>
{
protected:
    QString name() const { return QString::fromLatin1(GetParam()); }
    QByteArray rtf() const { return corpusFile(name() + QStringLiteral(".rtf")); }
    QString expectedText() const { return QString::fromUtf8(corpusFile(name() + QStringLiteral(".txt"))); }
};

TEST_P(CorpusTest, PlainTextMatchesTheWritersText)
{
    EXPECT_EQ(rtfToPlainText(rtf()).toStdString(), expectedText().toStdString());
}

TEST_P(CorpusTest, DocumentNumbersListsAsThePlainTextDoes)
{
    QTextDocument doc;
    const ReadReport report = readDocument(rtf(), doc);
    EXPECT_FALSE(report.limited);
    EXPECT_FALSE(report.unbalanced);
    EXPECT_EQ(plainText(doc).toStdString(), expectedText().toStdString());
}

TEST_P(CorpusTest, WritingWhatWasReadKeepsTextAndFormatting)
{
    QTextDocument original;
    readDocument(rtf(), original);
    const QByteArray written = writeDocument(original);
    QTextDocument again;
    const ReadReport report = readDocument(written, again);
    EXPECT_FALSE(report.limited || report.unbalanced);
    expectSameFormatting(original, again);
    EXPECT_EQ(writeDocument(again).toStdString(), written.toStdString());
}

TEST_P(CorpusTest, ReadingFromAStringGivesTheSameDocument)
{
    QTextDocument fromBytes;
    readDocument(rtf(), fromBytes);
    QTextDocument fromString;
    readDocument(QString::fromLatin1(rtf()), fromString);
    // Latin-1 widening keeps every byte below 0x80; raw bytes above it only occur in \bin data.
    if (!rtf().contains("\\bin"))
        expectSameFormatting(fromBytes, fromString);
}

INSTANTIATE_TEST_SUITE_P(Writers, CorpusTest, ::testing::ValuesIn(kCorpus));

// Formats each writer's document must show.
struct RunCheck
{
    const char *file;
    const char *needle;
    const char *font = nullptr;
    int halfPoints = 0;
    int colour = -1;     // 0xRRGGBB, -1: not checked
    int background = -1;
    int bold = -1, italic = -1, underline = -1, strike = -1;
    VerticalAlign vertical = VerticalAlign::Normal;
};

// Names the case in the test's name: the writer's file and the text looked for.
void PrintTo(const RunCheck &c, std::ostream *out)
{
    *out << c.file << ": \"" << c.needle << '"';
}

class CorpusRunTest : public ::testing::TestWithParam<RunCheck>
{
};

TEST_P(CorpusRunTest, ShowsTheRunFormat)
{
    const RunCheck &c = GetParam();
    QTextDocument doc;
    readDocument(corpusFile(QString::fromLatin1(c.file) + QStringLiteral(".rtf")), doc);
    const RunStyle s = runStyleAt(doc, QString::fromUtf8(c.needle));
    if (c.font) {
        EXPECT_EQ(s.fontName.toStdString(), c.font);
    }
    if (c.halfPoints) {
        EXPECT_EQ(s.halfPoints, c.halfPoints);
    }
    if (c.colour >= 0) {
        ASSERT_TRUE(s.colour.has_value());
        EXPECT_EQ(int(*s.colour), c.colour);
    }
    if (c.background >= 0) {
        ASSERT_TRUE(s.background.has_value());
        EXPECT_EQ(int(*s.background), c.background);
    }
    if (c.bold >= 0) {
        EXPECT_EQ(s.bold, c.bold == 1);
    }
    if (c.italic >= 0) {
        EXPECT_EQ(s.italic, c.italic == 1);
    }
    if (c.underline >= 0) {
        EXPECT_EQ(s.underline, c.underline == 1);
    }
    if (c.strike >= 0) {
        EXPECT_EQ(s.strike, c.strike == 1);
    }
    EXPECT_EQ(s.vertical, c.vertical);
}

RunCheck run(const char *file, const char *needle)
{
    RunCheck c;
    c.file = file;
    c.needle = needle;
    return c;
}

RunCheck withFont(RunCheck c, const char *font, int halfPoints = 0)
{
    c.font = font;
    c.halfPoints = halfPoints;
    return c;
}

RunCheck withColour(RunCheck c, int colour) { c.colour = colour; return c; }
RunCheck withBackground(RunCheck c, int colour) { c.background = colour; return c; }
RunCheck bold(RunCheck c, int on = 1) { c.bold = on; return c; }
RunCheck italic(RunCheck c) { c.italic = 1; return c; }
RunCheck underline(RunCheck c, int on = 1) { c.underline = on; return c; }
RunCheck strike(RunCheck c) { c.strike = 1; return c; }
RunCheck superscript(RunCheck c) { c.vertical = VerticalAlign::Super; return c; }

INSTANTIATE_TEST_SUITE_P(
    Writers, CorpusRunTest,
    ::testing::Values(withFont(bold(run("wordpad", "Dear"), 0), "Calibri", 22), bold(run("wordpad", "bold")),
                      italic(run("wordpad", "italic")), underline(run("wordpad", "underlined")),
                      strike(run("wordpad", "struck")), withColour(run("wordpad", "Red words"), 0xFF0000),
                      withFont(withColour(run("wordpad", "blue bigger"), 0x004DBB), "Calibri", 28),
                      withFont(run("wordpad", "code"), "Courier New", 22),
                      withFont(run("richtextbox_reply", "Sounds"), "Times New Roman", 24),
                      withFont(withColour(run("richtextbox_reply", "Original Message"), 0x8F8F8F), "Times new roman", 24),
                      withFont(bold(run("richtextbox_reply", "Friday")), "Arial", 20),
                      withFont(bold(run("word2016", "Hello"), 0), "Calibri", 22), bold(run("word2016", "naïve")),
                      withColour(underline(run("word2016", "plans page")), 0x0563C1),
                      withColour(run("word2016", "(red)"), 0xFF0000),
                      withFont(bold(run("libreoffice", "Minutes")), "Liberation Sans", 28),
                      withFont(run("libreoffice", "Present"), "Liberation Serif", 24),
                      italic(run("libreoffice", "Ann, Bob")), withColour(run("libreoffice", "Борис"), 0xC9211E),
                      withBackground(run("libreoffice", "item"), 0xFFFF00), strike(run("libreoffice", "Cancelled")),
                      superscript(run("libreoffice", "end")), withFont(run("cyrillic_greek", "Привет"), "Calibri"),
                      withFont(run("cyrillic_greek", "Αθήνα"), "Arial"),
                      withFont(run("japanese_932", "こんにちは"), "ＭＳ Ｐゴシック"),
                      withFont(run("japanese_932", "OK"), "Calibri"), withFont(run("unicode_u", "あい"), "MS Gothic")));

struct ParagraphCheck
{
    const char *file;
    const char *needle;
    Alignment alignment = Alignment::Left;
    ListKind list = ListKind::None;
    int level = 0;
    int start = 1;
    int leftTwips = -1;
    int spaceAfterTwips = -1;
};

void PrintTo(const ParagraphCheck &c, std::ostream *out)
{
    *out << c.file << ": \"" << c.needle << '"';
}

class CorpusParagraphTest : public ::testing::TestWithParam<ParagraphCheck>
{
};

TEST_P(CorpusParagraphTest, ShowsTheParagraphFormat)
{
    const ParagraphCheck &c = GetParam();
    QTextDocument doc;
    readDocument(corpusFile(QString::fromLatin1(c.file) + QStringLiteral(".rtf")), doc);
    const ParagraphStyle s = paragraphStyleAt(doc, QString::fromUtf8(c.needle));
    EXPECT_EQ(s.alignment, c.alignment);
    EXPECT_EQ(s.list.kind, c.list);
    EXPECT_EQ(s.list.level, c.level);
    EXPECT_EQ(s.list.start, c.start);
    if (c.leftTwips >= 0) {
        EXPECT_EQ(s.leftTwips, c.leftTwips);
    }
    if (c.spaceAfterTwips >= 0) {
        EXPECT_EQ(s.spaceAfterTwips, c.spaceAfterTwips);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Writers, CorpusParagraphTest,
    ::testing::Values(ParagraphCheck{"wordpad", "Dear", Alignment::Left, ListKind::None, 0, 1, 0, 200},
                      ParagraphCheck{"wordpad", "First point", Alignment::Left, ListKind::Bullet, 0, 1, 720},
                      ParagraphCheck{"wordpad", "Second point", Alignment::Left, ListKind::Bullet, 0, 1, 720},
                      ParagraphCheck{"wordpad", "Centred", Alignment::Center},
                      ParagraphCheck{"wordpad", "Right", Alignment::Right},
                      ParagraphCheck{"richtextbox_reply", "Sounds", Alignment::Left, ListKind::None, 0, 1, 0},
                      ParagraphCheck{"richtextbox_reply", "Original", Alignment::Left, ListKind::None, 0, 1, 600},
                      ParagraphCheck{"word2016", "agenda", Alignment::Justify, ListKind::None, 0, 1, 0, 160},
                      ParagraphCheck{"word2016", "Budget", Alignment::Left, ListKind::Bullet, 0, 1, 720},
                      ParagraphCheck{"word2016", "Travel", Alignment::Left, ListKind::Bullet, 1, 1, 1440},
                      ParagraphCheck{"word2016", "Open", Alignment::Left, ListKind::Decimal, 0, 1, 720},
                      ParagraphCheck{"word2016", "Item", Alignment::Left},
                      ParagraphCheck{"libreoffice", "Minutes", Alignment::Center},
                      ParagraphCheck{"libreoffice", "Highlighted", Alignment::Left, ListKind::Bullet, 0, 1, 720},
                      ParagraphCheck{"libreoffice", "Cancelled", Alignment::Left, ListKind::Bullet, 1, 1, 1200},
                      ParagraphCheck{"libreoffice", "Third", Alignment::Left, ListKind::LowerAlpha, 0, 3, 720},
                      ParagraphCheck{"libreoffice", "end", Alignment::Right}));

TEST(CorpusLists, ConsecutiveItemsFormOneList)
{
    QTextDocument doc;
    readDocument(corpusFile(QStringLiteral("wordpad.rtf")), doc);
    QTextList *list = blockWith(doc, QStringLiteral("First point")).textList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(blockWith(doc, QStringLiteral("Second point")).textList(), list);
    EXPECT_EQ(list->count(), 2);

    QTextDocument word;
    readDocument(corpusFile(QStringLiteral("word2016.rtf")), word);
    QTextList *numbered = blockWith(word, QStringLiteral("Open")).textList();
    ASSERT_NE(numbered, nullptr);
    EXPECT_EQ(numbered->itemText(blockWith(word, QStringLiteral("Close"))), QStringLiteral("2."));
}

TEST(CorpusPictures, PngPicturesShowAtTheirGoalSize)
{
    QTextDocument doc;
    readDocument(corpusFile(QStringLiteral("picture_png.rtf")), doc);
    std::vector<QTextImageFormat> images;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat())
                images.push_back(it.fragment().charFormat().toImageFormat());
    ASSERT_EQ(images.size(), 2u);
    // 60 x 45 twips at 200 percent, 15 twips to the pixel.
    EXPECT_DOUBLE_EQ(images[0].width(), 8.0);
    EXPECT_DOUBLE_EQ(images[0].height(), 6.0);
    // No goal size: the picture's own pixels.
    EXPECT_DOUBLE_EQ(images[1].width(), 4.0);
    const QVariant resource = doc.resource(QTextDocument::ImageResource, QUrl(images[0].name()));
    const QImage image = resource.value<QImage>();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(4, 3));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(0, 0, 255));
}

} // namespace
} // namespace corvane::test
