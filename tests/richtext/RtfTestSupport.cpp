#include "RtfTestSupport.h"

#include "support/TempFolder.h"

#include "richtext/gui/DocumentText.h"

#include <QTextFragment>

namespace corvane::test {

using namespace richtext;

QByteArray corpusFile(const QString &name)
{
    return readFile(QStringLiteral(CORVANE_RTF_CORPUS "/") + name);
}

RunStyle runStyleAt(const QTextDocument &document, const QString &needle)
{
    const qsizetype at = documentText(document).indexOf(needle);
    EXPECT_GE(at, 0) << needle.toStdString();
    QTextCursor cursor(const_cast<QTextDocument *>(&document));
    cursor.setPosition(static_cast<int>(at) + 1);
    return runStyleOf(cursor.charFormat(), document);
}

QTextBlock blockWith(const QTextDocument &document, const QString &needle)
{
    const qsizetype at = documentText(document).indexOf(needle);
    EXPECT_GE(at, 0) << needle.toStdString();
    return document.findBlock(static_cast<int>(std::max<qsizetype>(at, 0)));
}

ParagraphStyle paragraphStyleAt(const QTextDocument &document, const QString &needle)
{
    return paragraphStyleOf(blockWith(document, needle), document);
}

void expectSameFormatting(const QTextDocument &expected, const QTextDocument &actual)
{
    ASSERT_EQ(documentText(expected), documentText(actual));
    QTextCursor a(const_cast<QTextDocument *>(&expected));
    QTextCursor b(const_cast<QTextDocument *>(&actual));
    const int count = expected.characterCount();
    for (int pos = 1; pos < count; ++pos) {
        a.setPosition(pos);
        b.setPosition(pos);
        if (a.block().length() == 1)
            continue; // an empty paragraph: compared through its mark below
        ASSERT_EQ(runStyleOf(a.charFormat(), expected), runStyleOf(b.charFormat(), actual)) << "at " << pos;
    }
    QTextBlock x = expected.begin();
    QTextBlock y = actual.begin();
    for (; x.isValid() && y.isValid(); x = x.next(), y = y.next()) {
        ParagraphStyle px = paragraphStyleOf(x, expected);
        ParagraphStyle py = paragraphStyleOf(y, actual);
        px.list.key = py.list.key = 0;
        EXPECT_EQ(px, py) << "paragraph " << x.blockNumber() << ": " << x.text().toStdString();
        if (x.length() == 1) {
            EXPECT_EQ(runStyleOf(x.charFormat(), expected), runStyleOf(y.charFormat(), actual));
        }
        const bool sameList = x.textList() && x.previous().textList() == x.textList();
        EXPECT_EQ(sameList, y.textList() && y.previous().textList() == y.textList());
    }
    EXPECT_EQ(x.isValid(), y.isValid());
}

} // namespace corvane::test

namespace corvane::richtext {

void PrintTo(const RunStyle &s, std::ostream *os)
{
    *os << "{font=" << s.fontName.toStdString() << " hp=" << s.halfPoints << " colour="
        << (s.colour ? int(*s.colour) : -1) << " bg=" << (s.background ? int(*s.background) : -1) << " b=" << s.bold
        << " i=" << s.italic << " u=" << s.underline << " s=" << s.strike << " v=" << int(s.vertical) << "}";
}

void PrintTo(const ParagraphStyle &s, std::ostream *os)
{
    *os << "{align=" << int(s.alignment) << " li=" << s.leftTwips << " ri=" << s.rightTwips << " fi=" << s.firstLineTwips
        << " sb=" << s.spaceBeforeTwips << " sa=" << s.spaceAfterTwips << " list=" << int(s.list.kind) << "/"
        << s.list.level << "/" << s.list.start << "}";
}

} // namespace corvane::richtext
