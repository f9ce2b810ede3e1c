#pragma once

#include "sending/MakeMessage.h"

#include <QColor>

namespace corvane::richtext {
class RichTextEditor;
}

namespace corvane::sending {

// How a reply or forward shows the message it quotes.
inline const QString kQuoteFontName = QStringLiteral("Times New Roman");
inline constexpr double kQuoteFontSize = 12;
inline const QColor kQuoteColour = QColor(143, 143, 143); // 9408399, hexadecimal 8F8F8F
inline constexpr double kQuoteIndentPoints = 30;          // the editor's unit, points

// MakeMessage's part in the compose editor. The editor is emptied and starts a new undo history.
// Reopen: the body alone. Reply and forward: two empty lines for the user's own text, then the
// header in grey Times New Roman 12 and the body with its own formatting (pictures included), all
// indented from position 2 on by 30 points more than each paragraph's own indent, so that a quoted
// quote stays indented within. The caret ends at position 0 with nothing selected.
void fillComposeEditor(richtext::RichTextEditor &editor, const MadeMessage &made);

} // namespace corvane::sending
