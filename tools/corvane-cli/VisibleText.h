#pragma once

#include <QString>
#include <QStringView>

namespace corvane::cli {

// How text that others wrote is printed, so that it can neither drive a terminal (escape
// sequences, bidirectional overrides) nor break the tool's lines and columns.
enum class TextKind {
    Field,      // one field of a line (list, address list, show's headers): every control character
                // escaped, tab and newline too, and the backslash doubled
    Body,       // a message body as text: as Field, but tab and newline kept
    Rtf,        // a stored RTF body: control characters other than tab, CR and LF as RTF escapes
                // (\'1b, \u8238?), so the output stays the same RTF document
    Diagnostic, // a message on standard error: as Body, but the backslash kept (paths stay readable)
};

// The text with every control character made visible: \t, \n, \r, \xHH (other C0 controls,
// DEL and C1 controls), \uHHHH (bidirectional controls, line and paragraph separators) and \\.
QString visibleText(QStringView text, TextKind kind);

} // namespace corvane::cli
