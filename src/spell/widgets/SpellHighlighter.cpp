#include "SpellHighlighter.h"

#include "spell/SpellChecker.h"

#include <QCoreApplication>
#include <QMenu>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

namespace corvane::spell {

namespace {

// The block's text as the editor's plain text has it: a line break inside a paragraph separates
// words as the paragraph break does.
QString blockText(QString text)
{
    text.replace(QChar::LineSeparator, u'\n');
    return text;
}

struct WordAt
{
    int start = -1; // in the document
    int length = 0;
    QString word;
};

// The unknown word of the block that holds the document position, if any.
WordAt unknownWordAt(SpellChecker &checker, const QTextBlock &block, int position)
{
    const QString text = blockText(block.text());
    const int offset = position - block.position();
    try {
        for (const SpellChecker::Unknown &u : checker.unknownWords(text)) {
            if (offset >= u.position && offset <= u.position + u.length)
                return {block.position() + u.position, u.length, text.mid(u.position, u.length)};
        }
    } catch (const Error &) {
        // No dictionary: nothing is underlined, so there is nothing to offer.
    }
    return {};
}

} // namespace

SpellHighlighter::SpellHighlighter(SpellChecker &checker, QTextDocument *document)
    : QSyntaxHighlighter(document), m_checker(checker)
{
    m_format.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
    m_format.setUnderlineColor(Qt::red);
}

void SpellHighlighter::setEnabled(bool on)
{
    if (on == m_enabled)
        return;
    m_enabled = on;
    rehighlight();
}

void SpellHighlighter::highlightBlock(const QString &text)
{
    if (!m_enabled)
        return;
    try {
        for (const SpellChecker::Unknown &u : m_checker.unknownWords(blockText(text)))
            setFormat(u.position, u.length, m_format);
    } catch (const Error &) {
        // A missing or unreadable dictionary underlines nothing; the spell check reports it.
    }
}

bool addSpellingActions(QMenu *menu, QTextEdit *editor, const QPoint &position, SpellChecker &checker,
                        SpellHighlighter *highlighter, int maxSuggestions,
                        const std::function<void(const core::Notice &)> &onError)
{
    if (highlighter && !highlighter->isEnabled())
        return false;
    const QTextCursor cursor = editor->cursorForPosition(position);
    const WordAt at = unknownWordAt(checker, cursor.block(), cursor.position());
    if (at.start < 0)
        return false;

    QList<QAction *> actions;
    QStringList suggestions;
    try {
        suggestions = checker.suggestions(at.word, std::min(maxSuggestions, kMaxMenuSuggestions));
    } catch (const Error &) {
    }
    QTextDocument *document = editor->document();
    for (const QString &suggestion : std::as_const(suggestions)) {
        auto *action = new QAction(suggestion, menu);
        QObject::connect(action, &QAction::triggered, editor, [document, at, suggestion] {
            QTextCursor c(document);
            c.setPosition(at.start);
            c.setPosition(at.start + at.length, QTextCursor::KeepAnchor);
            if (c.selectedText() == at.word) // the text may have changed since the menu opened
                c.insertText(suggestion);
        });
        actions.append(action);
    }
    if (suggestions.isEmpty()) {
        auto *none =
            new QAction(QCoreApplication::translate("corvane::spell::SpellHighlighter", "(no suggestions)"), menu);
        none->setEnabled(false);
        actions.append(none);
    }
    auto *separator = new QAction(menu);
    separator->setSeparator(true);
    actions.append(separator);

    auto *ignoreAll = new QAction(QCoreApplication::translate("corvane::spell::SpellHighlighter", "Ignore All"), menu);
    ignoreAll->setObjectName(QStringLiteral("IgnoreAllSpellingA"));
    QObject::connect(ignoreAll, &QAction::triggered, editor, [&checker, highlighter, word = at.word] {
        checker.AddIgnoreWord(word);
        if (highlighter)
            highlighter->rehighlight();
    });
    actions.append(ignoreAll);

    auto *add = new QAction(QCoreApplication::translate("corvane::spell::SpellHighlighter", "Add to Dictionary"), menu);
    add->setObjectName(QStringLiteral("AddToDictionaryA"));
    QObject::connect(add, &QAction::triggered, editor, [&checker, highlighter, word = at.word, onError] {
        try {
            checker.AddToCustomDictionary(word);
        } catch (const Error &error) {
            onError(core::Notice::error(core::Notice::Code::CustomWordNotAdded, error.message()));
            return;
        }
        if (highlighter)
            highlighter->rehighlight();
    });
    actions.append(add);

    auto *tail = new QAction(menu);
    tail->setSeparator(true);
    actions.append(tail);

    QAction *before = menu->actions().isEmpty() ? nullptr : menu->actions().first();
    menu->insertActions(before, actions);
    return true;
}

} // namespace corvane::spell
