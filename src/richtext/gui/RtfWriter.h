#pragma once

#include <QByteArray>

class QTextDocument;

namespace corvane::richtext {

// The document as RTF (see RtfEmitter.h for the dialect). Pictures are written with the bytes
// they were read with; pictures from elsewhere are written as PNG.
QByteArray writeDocument(const QTextDocument &document);

} // namespace corvane::richtext
