#include "SpellRun.h"

#include "platform/Errors.h"

namespace corvane::spell {

void TextBuffer::select(int start, int length)
{
    m_start = std::clamp(start, 0, int(m_text.size()));
    m_length = std::clamp(length, 0, int(m_text.size()) - m_start);
}

void TextBuffer::replaceSelection(const QString &text)
{
    m_text.replace(m_start, m_length, text);
    m_start += int(text.size());
    m_length = 0;
}

SpellRun::SpellRun(SpellCheckSession &session, QObject *parent) : core::LongOperation(parent), m_session(session) {}

core::Notice SpellRun::busyNotice() const
{
    return {core::Notice::Code::SpellCheckRunning, core::Notice::Kind::Information,
            tr("The message is being checked for spelling. Finish or close the spell check first."), false};
}

void SpellRun::ToolButton7Click(SpellEditor &editor, int maxSuggestions)
{
    if (m_session.isOpen() || isRunning()) {
        m_session.bringForward();
        return;
    }
    editor.select(0, 0);
    m_session.clearStoppedByUser();
    m_editor = &editor;
    m_maxSuggestions = maxSuggestions;
    m_text = editor.text();
    m_a = 0;
    m_b = 0;
    setRunning(true);
    checkChunks();
}

void SpellRun::checkChunks()
{
    try {
        while (m_a < m_text.size()) {
            const int space = int(m_text.indexOf(u' ', m_a));
            const int lineBreak = int(m_text.indexOf(u'\n', m_a));
            // The chunk ends at the nearer break; when either kind is missing it runs to the end.
            int end = lineBreak < space ? lineBreak : space;
            if (end == -1)
                end = int(m_text.size());
            m_length = std::abs(end - m_b);
            m_original = m_text.mid(m_b, m_length);
            m_editor->select(m_b, m_length);
            m_chunk = TextBuffer(m_original);
            m_chunkDone = false;
            m_inExecute = true;
            m_session.Execute(m_chunk, m_maxSuggestions, [this](const QString &error) {
                m_chunkDone = true;
                m_chunkError = error;
                if (!m_inExecute)
                    chunkChecked(error);
            });
            m_inExecute = false;
            if (!m_chunkDone)
                return; // the dialog waits for the user; chunkChecked goes on
            if (!m_chunkError.isEmpty())
                throw Error(m_chunkError);
            takeChunk();
        }
        m_session.closeDialog();
    } catch (const Error &error) {
        m_inExecute = false;
        end(error.message());
        return;
    }
    end(QString());
}

void SpellRun::chunkChecked(const QString &error)
{
    if (!isRunning())
        return;
    try {
        if (!error.isEmpty())
            throw Error(error);
        takeChunk();
    } catch (const Error &failure) {
        end(failure.message());
        return;
    }
    checkChunks();
}

void SpellRun::takeChunk()
{
    int after = m_b + m_length;
    if (m_chunk.text() != m_original) {
        // The dialog does not block the editor: never overwrite what the user changed meanwhile.
        if (m_editor->text().mid(m_b, m_length) != m_original)
            throw Error(messageChangedDuringCheckText());
        m_editor->select(m_b, m_length);
        m_editor->replaceSelection(m_chunk.text());
        after = m_b + int(m_chunk.text().size());
        m_text = m_editor->text();
    } else {
        m_editor->select(after, 0);
        if (m_editor->text() != m_text)
            m_text = m_editor->text();
    }
    m_a = after + 1;
    m_b = after + 1;
}

void SpellRun::end(const QString &error)
{
    m_editor = nullptr;
    setRunning(false);
    if (error.isEmpty())
        Q_EMIT finished();
    else
        Q_EMIT failed(core::Notice::error(core::Notice::Code::SpellCheckFailed, error));
}

} // namespace corvane::spell
