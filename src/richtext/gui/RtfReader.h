#pragma once

#include "richtext/RtfParser.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class QTextCursor;
class QTextDocument;

// Reading RTF into text documents. Input that is not RTF is taken as plain text, as the
// rich-edit control does. Reading never fails: damaged or hostile input gives what could be read.
namespace corvane::richtext {

// Replaces the document's content. The undo history is left to the caller.
ReadReport readDocument(QByteArrayView rtf, QTextDocument &document);
// An RTF document held as a string: characters beyond ASCII are taken as themselves.
ReadReport readDocument(const QString &rtf, QTextDocument &document);
inline ReadReport readDocument(const QByteArray &rtf, QTextDocument &document)
{
    return readDocument(QByteArrayView(rtf), document);
}

// Replaces the cursor's selection with the document's content, as one undo step; the cursor
// ends after the inserted content.
ReadReport insertRtf(QByteArrayView rtf, QTextCursor &cursor);
ReadReport insertRtf(const QString &rtf, QTextCursor &cursor);
inline ReadReport insertRtf(const QByteArray &rtf, QTextCursor &cursor)
{
    return insertRtf(QByteArrayView(rtf), cursor);
}

} // namespace corvane::richtext
