#pragma once

#include "core/LongOperation.h"

#include "core/Notice.h"

#include <QString>

#include <functional>

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
    // Called once a chunk is done; an empty error when it was checked (or skipped), else why
    // the check could not go on.
    using ChunkChecked = std::function<void(const QString &error)>;

    virtual ~SpellCheckSession() = default;
    // The dialog is showing (a run is going on, or one ended on an error and the dialog stays).
    virtual bool isOpen() const = 0;
    virtual void bringForward() = 0;
    // The user pressed Close: the rest of the run is not checked.
    virtual bool stoppedByUser() const = 0;
    virtual void clearStoppedByUser() = 0;
    // Starts checking the chunk with the user (Execute) and returns; `checked` follows once the
    // user has answered for every unknown word (at once when there is none), the chosen changes
    // standing in the chunk. The chunk stays alive until then.
    virtual void Execute(SpellEditor &chunk, int maxSuggestions, ChunkChecked checked) = 0;
    virtual void closeDialog() = 0;
};

// The spell check of a message (the compose pane's spell button): walks the text word by word
// (the words after the last line break as one chunk) and hands each chunk to the dialog, going on
// to the next one when the dialog says the chunk is done. Only chunks the user changed are written
// back, so untouched words keep their formatting. A long operation: sending and replacing the
// message are refused while it runs.
class SpellRun : public core::LongOperation
{
    Q_OBJECT

public:
    explicit SpellRun(SpellCheckSession &session, QObject *parent = nullptr);

    // ToolButton7Click: starts the check over editor and returns; the editor must stay until
    // finished() or failed(). While a run is going on (the dialog is open) it only brings the
    // dialog forward.
    void ToolButton7Click(SpellEditor &editor, int maxSuggestions);

    bool running() const { return isRunning(); }

Q_SIGNALS:
    void failed(const core::Notice &notice);
    void finished();

protected:
    core::Notice busyNotice() const override;

private:
    // Hands chunks to the dialog until one waits for the user or the text ends.
    void checkChunks();
    void chunkChecked(const QString &error);
    // Writes the checked chunk back into the editor and moves past it; throws Error.
    void takeChunk();
    void end(const QString &error);

    SpellCheckSession &m_session;
    SpellEditor *m_editor = nullptr;
    int m_maxSuggestions = 0;
    QString m_text;     // the editor's text as the run last saw it
    int m_a = 0;        // where the search for the next break starts
    int m_b = 0;        // where the chunk starts
    int m_length = 0;   // the chunk's length
    QString m_original; // the chunk as handed to the dialog
    TextBuffer m_chunk;
    bool m_inExecute = false;
    bool m_chunkDone = false;
    QString m_chunkError;
};

inline QString messageChangedDuringCheckText()
{
    return SpellRun::tr("The message was changed while it was being checked, so the spell check stopped there. "
                        "Press the spell button again to check the rest.");
}

} // namespace corvane::spell
