#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Plain text to and from RTF, without a text document (for the command-line tool and tests).
namespace corvane::platform::rtf {

// The text of an RTF document as the editor's plain text gives it: paragraphs and line breaks
// as "\n", table cells separated by tabs, each picture as U+FFFC. Input that is not RTF is
// returned as text, with its line ends made "\n".
QString rtfToPlainText(QByteArrayView rtf);
QString rtfToPlainText(const QString &rtf);
inline QString rtfToPlainText(const QByteArray &rtf)
{
    return rtfToPlainText(QByteArrayView(rtf));
}

// An RTF document with one paragraph per line of the text ("\n", "\r\n" or "\r"), in the font given.
QByteArray plainTextToRtf(const QString &text, const QString &fontName = QStringLiteral("Times New Roman"),
                          int pointSize = 12);

} // namespace corvane::platform::rtf
