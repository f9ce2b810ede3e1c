// The RTF this program writes: the rich-edit dialect, and round trips of what the editor produces.
#include "RtfTestSupport.h"

#include "richtext/RtfPlainText.h"
#include "richtext/gui/DocumentText.h"
#include "richtext/gui/RtfReader.h"
#include "richtext/gui/RtfWriter.h"

#include <QBuffer>
#include <QImage>
#include <QTextImageFormat>
#include <QTextList>

namespace corvane::test {
namespace {

using namespace richtext;

QTextDocument *newDocument()
{
    auto *doc = new QTextDocument;
    doc->setDefaultFont(QFont(QStringLiteral("Times New Roman"), 12));
    return doc;
}

// What this program wrote, read back and written again, is written the same.
void expectReadBackAndWrittenTheSame(const QByteArray &written)
{
    QTextDocument again;
    readDocument(written, again);
    EXPECT_EQ(writeDocument(again), written);
}

// The plain-text reader and the document reader both read the RTF as this text.
void expectReadAsText(const QByteArray &rtf, const QString &expected, QTextDocument &doc)
{
    EXPECT_EQ(rtfToPlainText(rtf), expected);
    readDocument(rtf, doc);
    EXPECT_EQ(plainText(doc), expected);
}

QTextCharFormat format(const char *family, double points)
{
    QTextCharFormat f;
    f.setFontFamilies(QStringList{QString::fromLatin1(family)});
    f.setFontPointSize(points);
    return f;
}

QByteArray pngBytes(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

TEST(RtfWriter, WritesTheRichEditHeaderWithFontAndColourTablesInOrderOfUse)
{
    std::unique_ptr<QTextDocument> doc(newDocument());
    QTextCursor c(doc.get());
    QTextCharFormat red = format("Arial", 10);
    red.setForeground(QColor(255, 0, 0));
    c.insertText(QStringLiteral("Red "), red);
    QTextCharFormat marked = format("Courier New", 11);
    marked.setBackground(QColor(255, 255, 0));
    marked.setFontWeight(QFont::Bold);
    c.insertText(QStringLiteral("code"), marked);
    EXPECT_EQ(writeDocument(*doc).toStdString(),
              "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}{\\f1\\fnil\\fcharset0 Courier New;}}\n"
              "{\\colortbl ;\\red255\\green0\\blue0;\\red255\\green255\\blue0;}\n"
              "\\viewkind4\\uc1\n"
              "\\pard\\f0\\fs20\\cf1 Red \\f1\\fs22\\cf0\\highlight2\\b code\\par\n"
              "}\n");
}

TEST(RtfWriter, WritesCharactersBeyondAsciiAsUnicodeEscapesAndEscapesTheRest)
{
    std::unique_ptr<QTextDocument> doc(newDocument());
    QTextCursor c(doc.get());
    c.insertText(QStringLiteral("caf\u00e9 \u20ac\U0001F600 {a\\b}\tc") + QChar(QChar::LineSeparator) + QStringLiteral("d"),
                 format("Arial", 12));
    const QByteArray rtf = writeDocument(*doc);
    EXPECT_TRUE(rtf.contains("caf\\u233? \\u8364?\\u-10179?\\u-8704? \\{a\\\\b\\}\\tab c\\line d\\par")) << rtf.toStdString();
    for (const char ch : rtf)
        ASSERT_LT(static_cast<unsigned char>(ch), 0x80);
}

TEST(RtfWriter, LeavesOutCharactersThatCarryNoText)
{
    std::unique_ptr<QTextDocument> doc(newDocument());
    QTextCursor c(doc.get());
    c.insertText(QStringLiteral("a"), format("Arial", 12));
    c.insertBlock();
    c.insertText(QStringLiteral("\x01\x02"), format("\x01 Courier", 12));
    const QByteArray written = writeDocument(*doc);
    EXPECT_TRUE(written.endsWith("\\pard\\f0\\fs24 a\\par\n\\pard\\par\n}\n")) << written.toStdString();
    expectReadBackAndWrittenTheSame(written);
}

TEST(RtfWriter, WritesBulletsAndNumbersInTheRichEditForm)
{
    std::unique_ptr<QTextDocument> doc(newDocument());
    QTextCursor c(doc.get());
    c.insertText(QStringLiteral("dot"), format("Arial", 12));
    QTextListFormat bullets;
    bullets.setStyle(QTextListFormat::ListDisc);
    c.createList(bullets);
    c.insertBlock();
    c.insertText(QStringLiteral("first"));
    QTextListFormat numbers;
    numbers.setStyle(QTextListFormat::ListDecimal);
    c.createList(numbers);
    c.insertBlock();
    c.insertText(QStringLiteral("second"));
    const QByteArray rtf = writeDocument(*doc);
    EXPECT_TRUE(rtf.contains("{\\f1\\fnil\\fcharset2 Symbol;}")) << rtf.toStdString();
    EXPECT_TRUE(rtf.contains("\\pard{\\pntext\\f1\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'B7}}\\fi-360\\li600"))
        << rtf.toStdString();
    EXPECT_TRUE(rtf.contains("{\\pntext\\f0 2.\\tab}{\\*\\pn\\pnlvlbody\\pnf0\\pnindent0\\pnstart1\\pndec{\\pntxta.}}"))
        << rtf.toStdString();
}

// Documents as the editor makes them: every format the toolbar and the reply command can set.
std::unique_ptr<QTextDocument> editorDocument()
{
    std::unique_ptr<QTextDocument> doc(newDocument());
    QTextCursor c(doc.get());
    c.insertText(QStringLiteral("Plain "), QTextCharFormat());
    QTextCharFormat f = format("Arial", 14);
    f.setFontWeight(QFont::Bold);
    c.insertText(QStringLiteral("bold "), f);
    f.setFontItalic(true);
    f.setFontUnderline(true);
    c.insertText(QStringLiteral("more "), f);
    QTextCharFormat g = format("Courier New", 9.5);
    g.setFontStrikeOut(true);
    g.setForeground(QColor(143, 143, 143));
    g.setBackground(QColor(0, 255, 0));
    c.insertText(QStringLiteral("grey\u00e9"), g);
    QTextCharFormat sup = format("Arial", 12);
    sup.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    c.insertText(QStringLiteral("2"), sup);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    c.insertBlock(centred);
    c.insertText(QStringLiteral("centred"), format("Arial", 12));
    QTextBlockFormat indented;
    indented.setAlignment(Qt::AlignRight);
    indented.setLeftMargin(40);
    indented.setTextIndent(-10);
    indented.setTopMargin(5);
    indented.setBottomMargin(6);
    indented.setRightMargin(3);
    c.insertBlock(indented);
    c.insertText(QStringLiteral("right\tindented"), format("Arial", 12));
    c.insertBlock(QTextBlockFormat(), format("Verdana", 20)); // an empty paragraph with its own font
    QTextBlockFormat quoted;
    quoted.setLeftMargin(40);
    c.insertBlock(quoted);
    c.insertText(QStringLiteral("bullet one"), format("Arial", 12));
    QTextListFormat bullets;
    bullets.setStyle(QTextListFormat::ListDisc);
    c.createList(bullets);
    c.insertBlock();
    c.insertText(QStringLiteral("bullet two"));
    QTextBlockFormat plain;
    c.insertBlock(plain);
    c.setBlockFormat(plain);
    c.insertText(QStringLiteral("picture "));
    const QUrl name(QStringLiteral("pasted-image"));
    doc->addResource(QTextDocument::ImageResource, name, QImage::fromData(pngBytes(QSize(5, 4), Qt::red)));
    QTextImageFormat image;
    image.setName(name.toString());
    image.setWidth(10);
    image.setHeight(8);
    c.insertImage(image);
    c.insertBlock();
    return doc;
}

TEST(RtfWriter, ReadingWhatItWroteGivesBackTheEditorsDocument)
{
    const std::unique_ptr<QTextDocument> doc = editorDocument();
    const QByteArray written = writeDocument(*doc);
    QTextDocument read;
    const ReadReport report = readDocument(written, read);
    EXPECT_FALSE(report.limited || report.unbalanced);
    expectSameFormatting(*doc, read);
    EXPECT_EQ(writeDocument(read).toStdString(), written.toStdString());
    QTextCursor at(&read);
    at.setPosition(static_cast<int>(documentText(read).indexOf(QChar(0xFFFC))) + 1);
    const QTextImageFormat image = at.charFormat().toImageFormat();
    EXPECT_DOUBLE_EQ(image.width(), 10);
    EXPECT_EQ(read.resource(QTextDocument::ImageResource, QUrl(image.name())).value<QImage>().size(), QSize(5, 4));
}

TEST(RtfWriter, KeepsJpegPicturesAsTheyCame)
{
    QImage photo(16, 8, QImage::Format_RGB32);
    photo.fill(QColor(10, 200, 30));
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(photo.save(&buffer, "JPEG"));
    const QByteArray rtf = "{\\rtf1 photo {\\pict\\jpegblip\\picwgoal480\\pichgoal240 " + jpeg.toHex() + "}\\par}";
    QTextDocument doc;
    readDocument(rtf, doc);
    EXPECT_EQ(documentText(doc), QStringLiteral("photo \uFFFC"));
    const QByteArray written = writeDocument(doc);
    EXPECT_TRUE(written.contains("{\\pict\\jpegblip\\picw16\\pich8\\picwgoal480\\pichgoal240\n"));
    EXPECT_TRUE(QByteArray(written).replace('\n', "").contains(jpeg.toHex()));
}

TEST(RtfWriter, KeepsPictureSizesWithinWhatTheReaderAccepts)
{
    std::unique_ptr<QTextDocument> doc(newDocument());
    QTextImageFormat tall;
    tall.setProperty(PictureDataProperty, pngBytes(QSize(2, 3), Qt::blue));
    tall.setName(QStringLiteral("tall"));
    tall.setWidth(4);
    tall.setHeight(5000);
    QTextCursor(doc.get()).insertImage(tall);
    const QByteArray written = writeDocument(*doc);
    EXPECT_TRUE(written.contains("\\picw2\\pich3\\picwgoal60\\pichgoal31680")) << written.toStdString();
    expectReadBackAndWrittenTheSame(written);
}

TEST(RtfPlainText, MakesOneParagraphPerLineAndReadsItBack)
{
    const QString text = QStringLiteral("first line\r\nsecond {line}\n\nafter a blank\u00e9\n");
    const QByteArray rtf = plainTextToRtf(text);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Times New Roman;}}"));
    EXPECT_TRUE(rtf.contains("\\pard\\f0\\fs24 first line\\par\n"));
    EXPECT_EQ(rtfToPlainText(rtf), QStringLiteral("first line\nsecond {line}\n\nafter a blank\u00e9\n"));
    QTextDocument doc;
    readDocument(rtf, doc);
    EXPECT_EQ(writeDocument(doc), rtf);
    EXPECT_EQ(rtfToPlainText(plainTextToRtf(QString())), QString());
    EXPECT_TRUE(plainTextToRtf(QStringLiteral("x"), QStringLiteral("Arial"), 10).contains("Arial;}}"));
}

TEST(RtfPlainText, LabelsListItemsAsTheDocumentNumbersThem)
{
    const struct
    {
        const char *what;
        const char *rtf;
        const char *text;
    } cases[] = {
        {"numbers count on from the start, in the list's style",
         "{\\rtf1{\\*\\pn\\pnlvlbody\\pnucrm\\pnstart4}a\\par b\\par}", "IV.\ta\nV.\tb"},
        {"letters go on past z", "{\\rtf1{\\*\\pn\\pnlvlbody\\pnlcltr\\pnstart26}y\\par z\\par}", "z.\ty\naa.\tz"},
        {"a paragraph outside the list starts a new one",
         "{\\rtf1{\\*\\pn\\pnlvlbody\\pndec}a\\par\\pard b\\par{\\*\\pn\\pnlvlbody\\pndec}c\\par}",
         "1.\ta\nb\n1.\tc"},
        {"a Word list goes on after it",
         "{\\rtf1{\\*\\listtable{\\list{\\listlevel\\levelnfc0}\\listid7}}"
         "{\\*\\listoverridetable{\\listoverride\\listid7\\ls1}}\\pard\\ls1 a\\par\\pard b\\par\\pard\\ls1 c\\par}",
         "1.\ta\nb\n2.\tc"},
        {"a last item without a paragraph mark", "{\\rtf1{\\*\\pn\\pnlvlblt}a}", "\u2022\ta"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        QTextDocument doc;
        expectReadAsText(QByteArray(c.rtf), QString::fromUtf8(c.text), doc);
    }
}

TEST(RtfPlainText, ListNumbersKeepTheTextAroundThemThroughARoundTrip)
{
    const struct
    {
        const char *what;
        const char *pn;
        const char *text;
    } cases[] = {
        {"text after", "\\pnlcltr{\\pntxta )}", "a)\tone\nb)\ttwo"},
        {"text before and after", "\\pnucrm{\\pntxtb (}{\\pntxta )}", "(I)\tone\n(II)\ttwo"},
        {"escaped and beyond ASCII", "\\pndec{\\pntxtb \\{}{\\pntxta \\u8212?\\}}", "{1\u2014}\tone\n{2\u2014}\ttwo"},
        {"nothing after", "\\pndec{\\pntxta }", "1\tone\n2\ttwo"},
        {"no text given reads as a full stop", "\\pndec", "1.\tone\n2.\ttwo"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const QByteArray rtf = QByteArray("{\\rtf1{\\*\\pn\\pnlvlbody") + c.pn + "}one\\par two\\par}";
        const QString expected = QString::fromUtf8(c.text);
        QTextDocument read;
        expectReadAsText(rtf, expected, read);
        const QByteArray written = writeDocument(read);
        QTextDocument again;
        readDocument(written, again);
        EXPECT_EQ(plainText(again), expected) << written.toStdString();
    }
}

} // namespace
} // namespace corvane::test
