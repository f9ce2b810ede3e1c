#pragma once

#include <QString>

class QTextDocument;

namespace corvane::platform::rtf {

// The document's plain text with one character per position: paragraph breaks and line
// breaks as "\n", each picture as U+FFFC. Positions in it are cursor positions.
QString documentText(const QTextDocument &document);

} // namespace corvane::platform::rtf
