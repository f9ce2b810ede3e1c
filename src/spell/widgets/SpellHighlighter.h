#pragma once

#include "core/Notice.h"

#include <QSyntaxHighlighter>
#include <QTextCharFormat>

class QMenu;
class QTextEdit;

namespace corvane::spell {

class SpellChecker;

// Spelling as you type: underlines, in red waves, the words a spell check would report, one
// paragraph at a time as it changes. The underline is drawn only; the document's text and
// formats (and so its RTF) never carry it.
class SpellHighlighter : public QSyntaxHighlighter
{
    Q_OBJECT

public:
    SpellHighlighter(SpellChecker &checker, QTextDocument *document);

    // "Check spelling as you type": off removes every underline.
    void setEnabled(bool on);
    bool isEnabled() const { return m_enabled; }

protected:
    void highlightBlock(const QString &text) override;

private:
    SpellChecker &m_checker;
    QTextCharFormat m_format;
    bool m_enabled = true;
};

// The editor's context menu on an underlined word: its first suggestions (at most maxSuggestions,
// and at most 10), "Ignore All" and "Add to Dictionary", put before the menu's own actions.
// position is in the editor's viewport. Returns whether the word under it was unknown.
// onError receives a failure to add (no custom dictionary, an unwritable file).
bool addSpellingActions(QMenu *menu, QTextEdit *editor, const QPoint &position, SpellChecker &checker,
                        SpellHighlighter *highlighter, int maxSuggestions,
                        const std::function<void(const core::Notice &)> &onError);

inline constexpr int kMaxMenuSuggestions = 10;

} // namespace corvane::spell
