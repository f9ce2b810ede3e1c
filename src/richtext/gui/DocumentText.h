#pragma once

#include <QString>

class QTextDocument;

namespace corvane::richtext {

// The document's plain text with one character per position: paragraph breaks and line
// breaks as "\n", each picture as U+FFFC. Positions in it are cursor positions.
QString documentText(const QTextDocument &document);

// The document's text as a reader of mail sees it, as rtfToPlainText gives it for the RTF the
// document was read from: list items led by their labels, pictures left out.
QString plainText(const QTextDocument &document);

} // namespace corvane::richtext
