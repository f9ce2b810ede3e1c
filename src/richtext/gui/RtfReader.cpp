#include "richtext/gui/RtfReader.h"

#include "platform/TextCodec.h"
#include "richtext/gui/RtfDocumentBuilder.h"

#include <QTextCursor>
#include <QTextDocument>

namespace corvane::richtext {

namespace {

ReadReport insertInto(QTextCursor &cursor, QByteArrayView bytes, bool rawUtf8, const QString *plain)
{
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    ReadReport report;
    if (plain) {
        QString text = *plain;
        text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        cursor.insertText(text);
    } else {
        RtfDocumentBuilder builder(cursor);
        RtfParser parser(builder, rawUtf8);
        report = parser.parse(bytes);
    }
    cursor.endEditBlock();
    return report;
}

ReadReport read(QTextDocument &document, QByteArrayView bytes, bool rawUtf8, const QString *plain)
{
    document.clear();
    QTextCursor cursor(&document);
    return insertInto(cursor, bytes, rawUtf8, plain);
}

} // namespace

ReadReport readDocument(QByteArrayView rtf, QTextDocument &document)
{
    if (!looksLikeRtf(rtf)) {
        const QString plain = platform::decodeUtf8OrWindows1252(rtf);
        return read(document, {}, false, &plain);
    }
    return read(document, rtf, false, nullptr);
}

ReadReport readDocument(const QString &rtf, QTextDocument &document)
{
    const QByteArray bytes = rtf.toUtf8();
    if (!looksLikeRtf(bytes))
        return read(document, {}, false, &rtf);
    return read(document, bytes, true, nullptr);
}

ReadReport insertRtf(QByteArrayView rtf, QTextCursor &cursor)
{
    if (!looksLikeRtf(rtf)) {
        const QString plain = platform::decodeUtf8OrWindows1252(rtf);
        return insertInto(cursor, {}, false, &plain);
    }
    return insertInto(cursor, rtf, false, nullptr);
}

ReadReport insertRtf(const QString &rtf, QTextCursor &cursor)
{
    const QByteArray bytes = rtf.toUtf8();
    if (!looksLikeRtf(bytes))
        return insertInto(cursor, {}, false, &rtf);
    return insertInto(cursor, bytes, true, nullptr);
}

} // namespace corvane::richtext
