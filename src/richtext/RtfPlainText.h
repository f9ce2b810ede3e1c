#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Plain text to and from RTF, without a text document (for the command-line tool and tests).
namespace corvane::richtext {

// The text of an RTF document as a reader of mail sees it (what the tool shows and a reply
// quotes): paragraphs and line breaks as "\n", table rows one line each with their cells
// separated by tabs, and each list item led by its label ("•", "1.") and a tab, after one tab
// per nesting level. Pictures are left out. Input that is not RTF is returned as text, with its
// line ends made "\n".
QString rtfToPlainText(QByteArrayView rtf);
QString rtfToPlainText(const QString &rtf);
inline QString rtfToPlainText(const QByteArray &rtf)
{
    return rtfToPlainText(QByteArrayView(rtf));
}

// An RTF document with one paragraph per line of the text ("\n", "\r\n" or "\r"), in the font given.
QByteArray plainTextToRtf(const QString &text, const QString &fontName = QStringLiteral("Times New Roman"),
                          int pointSize = 12);

} // namespace corvane::richtext
