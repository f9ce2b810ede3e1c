#pragma once

#include "spell/SpellRun.h"

#include "richtext/widgets/RichTextEditor.h"

namespace corvane::spell::test {

// The compose editor as the spell run sees it.
using RichTextEditor = richtext::RichTextEditor;

class RichTextSpellEditor : public SpellEditor
{
public:
    explicit RichTextSpellEditor(RichTextEditor &editor) : m_editor(editor) {}
    QString text() const override { return m_editor.text(); }
    void select(int start, int length) override { m_editor.select(start, length); }
    void replaceSelection(const QString &text) override { m_editor.setSelText(text); }

private:
    RichTextEditor &m_editor;
};

} // namespace corvane::spell::test
