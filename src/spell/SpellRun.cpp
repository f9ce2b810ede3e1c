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

SpellRun::SpellRun(SpellCheckSession &session, QObject *parent) : QObject(parent), m_session(session) {}

void SpellRun::ToolButton7Click(SpellEditor &editor, int maxSuggestions)
{
    if (m_session.isOpen() || m_running) {
        m_session.bringForward();
        return;
    }
    editor.select(0, 0);
    m_session.clearStoppedByUser();
    m_running = true;
    try {
        int a = 0; // where the search for the next break starts
        int b = 0; // where the next chunk starts
        QString text = editor.text();
        while (a < text.size()) {
            const int space = int(text.indexOf(u' ', a));
            const int lineBreak = int(text.indexOf(u'\n', a));
            // The chunk ends at the nearer break; when either kind is missing it runs to the end.
            int end = lineBreak < space ? lineBreak : space;
            if (end == -1)
                end = int(text.size());
            const int length = std::abs(end - b);
            const QString chunkText = text.mid(b, length);
            editor.select(b, length);
            TextBuffer chunk(chunkText);
            m_session.Execute(chunk, maxSuggestions);
            int after = b + length;
            if (chunk.text() != chunkText) {
                // The dialog does not block the editor: never overwrite what the user changed meanwhile.
                if (editor.text().mid(b, length) != chunkText)
                    throw Error(kMessageChangedDuringCheck);
                editor.select(b, length);
                editor.replaceSelection(chunk.text());
                after = b + int(chunk.text().size());
                text = editor.text();
            } else {
                editor.select(after, 0);
                if (editor.text() != text)
                    text = editor.text();
            }
            a = after + 1;
            b = after + 1;
        }
        m_session.closeDialog();
    } catch (const Error &error) {
        m_running = false;
        Q_EMIT failed(core::Notice::error(core::Notice::Code::SpellCheckFailed, error.message()));
        return;
    }
    m_running = false;
    Q_EMIT finished();
}

} // namespace corvane::spell
