#pragma once

#include "core/Notice.h"

#include <QObject>
#include <QString>

namespace corvane::spell {

// The little the spell run needs of an editor. Positions count characters of text(); a line
// break is one character.
class SpellEditor
{
public:
    virtual ~SpellEditor() = default;
    virtual QString text() const = 0;
    virtual void select(int start, int length) = 0;
    // Replaces the selection; the caret ends after the new text.
    virtual void replaceSelection(const QString &text) = 0;
};

// An editor over a plain string: holds one chunk of the message while it is checked.
class TextBuffer : public SpellEditor
{
public:
    explicit TextBuffer(QString text = {}) : m_text(std::move(text)) {}
    QString text() const override { return m_text; }
    void select(int start, int length) override;
    void replaceSelection(const QString &text) override;

private:
    QString m_text;
    int m_start = 0;
    int m_length = 0;
};

// What the spell run needs of the spell check dialog.
class SpellCheckSession
{
public:
    virtual ~SpellCheckSession() = default;
    // The dialog is showing (a run is going on, or one ended on an error and the dialog stays).
    virtual bool isOpen() const = 0;
    virtual void bringForward() = 0;
    // The user pressed Close: the rest of the run is not checked.
    virtual bool stoppedByUser() const = 0;
    virtual void clearStoppedByUser() = 0;
    // Checks the chunk with the user (Execute); the chosen changes stand in it afterwards.
    virtual void Execute(SpellEditor &chunk, int maxSuggestions) = 0;
    virtual void closeDialog() = 0;
};

// The spell check of a message (the compose pane's spell button): walks the text word by word
// (the words after the last line break as one chunk) and hands each chunk to the dialog. Only
// chunks the user changed are written back, so untouched words keep their formatting.
class SpellRun : public QObject
{
    Q_OBJECT

public:
    explicit SpellRun(SpellCheckSession &session, QObject *parent = nullptr);

    // ToolButton7Click: runs the check over editor. While a run is going on (the dialog is
    // open) it only brings the dialog forward. Errors end the run and are reported by failed().
    void ToolButton7Click(SpellEditor &editor, int maxSuggestions);

    bool running() const { return m_running; }

Q_SIGNALS:
    void failed(const core::Notice &notice);
    void finished();

private:
    SpellCheckSession &m_session;
    bool m_running = false;
};

inline const QString kMessageChangedDuringCheck =
    QStringLiteral("The message was changed while it was being checked, so the spell check stopped there. "
                   "Press the spell button again to check the rest.");

} // namespace corvane::spell
