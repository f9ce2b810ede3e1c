#include "ComposeParts.h"

#include "Icons.h"
#include "WindowServices.h"

#include "shell/MailServices.h"
#include "shell/Settings.h"

#include "sending/ComposeDraft.h"
#include "sending/ComposeSend.h"
#include "sending/DraftKeeper.h"
#include "sending/widgets/AttachDialogue.h"
#include "sending/widgets/ComposeEditorFill.h"
#include "sending/widgets/ComposePane.h"
#include "sending/widgets/ToDialogue.h"

#include "richtext/widgets/RichTextEditor.h"
#include "platform/Errors.h"
#include "spell/SpellRun.h"
#include "spell/widgets/SpellCheckDialog.h"
#include "spell/widgets/SpellHighlighter.h"

#include <QAction>
#include <QTextDocument>
#include <QLineEdit>
#include <QToolButton>
#include <QWidget>

namespace corvane::shell {

namespace {

// The compose editor as the spell run sees it.
class EditorForSpelling : public spell::SpellEditor
{
public:
    explicit EditorForSpelling(richtext::RichTextEditor &editor) : m_editor(editor) {}
    QString text() const override { return m_editor.text(); }
    void select(int start, int length) override { m_editor.select(start, length); }
    void replaceSelection(const QString &text) override { m_editor.setSelText(text); }

private:
    richtext::RichTextEditor &m_editor;
};

} // namespace

void ComposeParts::Prompts::showNotice(QWidget *parent, const core::Notice &notice)
{
    m_messages.showNotice(parent, notice);
}

void ComposeParts::Prompts::beep()
{
    m_messages.beep();
}

bool ComposeParts::Prompts::confirm(QWidget *parent, const QString &question)
{
    return m_messages.confirm(parent, question);
}

ComposeParts::ComposeParts(MailServices &mail, const Settings &settings, MessagePresenter &messages, QWidget *window)
    : QObject(window), m_mail(mail), m_messages(messages), m_settings(settings), m_prompts(messages)
{
    m_draft = new sending::ComposeDraft(mail.outgoing, this);
    m_send = new sending::ComposeSend(mail.send, mail.sent, this);
    connect(m_send, &sending::ComposeSend::statusTextChanged, this, &ComposeParts::statusTextChanged);
    m_pane = new sending::ComposePane(*m_draft, *m_send, [this] { return mailSettingsFrom(m_settings); }, m_prompts);
    m_pane->setIcons(icons::named, icons::desktopFirst);
    m_pane->setAddressEntries([&mail] { return mail.addresses.entries(); });
    m_to = new sending::ToDialogue(*m_draft, m_prompts, window);
    m_attach = new sending::AttachDialogue(*m_draft, m_prompts, window);
    m_pane->setDialogs(m_to, m_attach);

    m_spellDialog = new spell::SpellCheckDialog(
        [this] { return spell::DictionaryPaths{m_settings.mainDictionary, m_settings.customDictionary}; }, window);
    m_spellDialog->setErrorHandler([this](const core::Notice &notice) { Q_EMIT failed(notice); });
    m_spellRun = new spell::SpellRun(*m_spellDialog, this);
    m_spellEditor = std::make_unique<EditorForSpelling>(*m_pane->editor());
    m_pane->setOperationsOnDraft({m_spellRun});
    connect(m_spellRun, &spell::SpellRun::failed, this, &ComposeParts::failed);
    m_highlighter = new spell::SpellHighlighter(m_spellDialog->checker(), m_pane->editor()->document());
    connect(m_spellDialog, &spell::SpellCheckDialog::knownWordsChanged, m_highlighter,
            &spell::SpellHighlighter::rehighlight);
    connect(m_pane, &sending::ComposePane::spellCheckRequested, this, &ComposeParts::spellCheck);
    m_pane->setContextMenuExtender([this](QMenu *menu, const QPoint &position) {
        if (m_highlighter->isEnabled())
            spell::addSpellingActions(menu, m_pane->editor(), position, m_spellDialog->checker(), m_highlighter,
                                      m_settings.maxSuggestions, [this](const core::Notice &notice) { Q_EMIT failed(notice); });
    });
}

ComposeParts::~ComposeParts() = default;

void ComposeParts::setAddressNames(std::function<QStringList()> names)
{
    m_to->setAddressNames(std::move(names));
}

void ComposeParts::applySpellSettings()
{
    // A check under way keeps the dictionaries it began with; the next one takes the new paths.
    if (!m_spellDialog->checker().checking())
        m_spellDialog->refreshDictionaries();
    m_highlighter->setEnabled(m_settings.asYouType);
}

void ComposeParts::makeFromInbox(int position, sending::MakeMode mode, bool toAll)
{
    try {
        take(m_mail.inbox.message(position), mode, toAll);
    } catch (const Error &error) {
        Q_EMIT failed(core::Notice::error(core::Notice::Code::MessageNotMade, error.message()));
    }
}

void ComposeParts::reopen(int sentPosition)
{
    try {
        take(m_mail.sent.message(sentPosition), sending::MakeMode::Reopen);
    } catch (const Error &error) {
        Q_EMIT failed(core::Notice::error(core::Notice::Code::MessageNotMade, error.message()));
    }
}

void ComposeParts::take(const core::Message &message, sending::MakeMode mode, bool toAll)
{
    if (!m_pane->mayReplaceDraft())
        return;
    const receiving::AttachmentPlaces places = attachmentPlacesFrom(m_settings);
    sending::MadeMessage made = sending::MakeMessage(
        sending::storedMessage(message), mode,
        [&places, kept = receiving::keptFilesOf(message)](const QString &name) {
            return receiving::attachmentFile(places, kept, name);
        });
    if (toAll)
        made.recipients = sending::replyAllRecipients(message, m_settings.name);
    sending::applyToDraft(made, m_draft->draft(), m_mail.outgoing);
    m_pane->subjectBox()->setText(made.subject);
    m_draft->setRecipients(made.recipients);
    m_draft->setAttachmentPaths(made.attachmentPaths);
    m_to->updateList();
    m_attach->UpdateList();
    sending::fillComposeEditor(*m_pane->editor(), made);
    m_draft->settle(); // the pane now holds the stored message, no work of the user's
    if (made.notice)
        m_messages.showNotice(m_pane->window(), *made.notice);
    Q_EMIT paneRequested(Pane::New);
    // The user goes on with the text: the cursor is in the message, above a quote.
    if (mode != sending::MakeMode::Reopen)
        m_pane->focusMessageText();
}

void ComposeParts::keepDraftIn(const QString &path)
{
    m_keeper = new sending::DraftKeeper(path, [this]() -> std::optional<sending::Draft> {
        if (!m_draft->isEditedSinceSettled())
            return std::nullopt;
        sending::Draft draft = m_draft->draft();
        draft.subject = m_pane->subjectBox()->text();
        const bool empty = draft.recipients.isEmpty() && draft.attachmentPaths.isEmpty() && draft.subject.isEmpty()
                           && m_pane->editor()->document()->isEmpty();
        if (empty)
            return std::nullopt;
        draft.rtfBody = m_pane->editor()->textRtf();
        return draft;
    }, this);
    connect(m_draft, &sending::ComposeDraft::changed, m_keeper, &sending::DraftKeeper::noteChange);
}

void ComposeParts::offerKeptDraft()
{
    if (!m_keeper)
        return;
    const std::optional<sending::Draft> kept = sending::DraftKeeper::read(m_keeper->path());
    if (!kept)
        return;
    const QString question =
        tr("Corvane kept a message you were writing when it last ended (subject: \"%1\"). Do you want to go on "
           "writing it?\n\nNo discards it.")
            .arg(kept->subject);
    if (!m_messages.confirm(m_pane->window(), question)) {
        m_keeper->discard();
        return;
    }
    m_pane->subjectBox()->setText(kept->subject);
    m_draft->setRecipients(kept->recipients);
    m_draft->setAttachmentPaths(kept->attachmentPaths);
    m_to->updateList();
    m_attach->UpdateList();
    m_pane->editor()->setTextRtf(kept->rtfBody);
    m_draft->noteEdit(); // the user's work again, kept until it is sent or cleared
    Q_EMIT paneRequested(Pane::New);
    m_pane->focusMessageText();
}

void ComposeParts::windowClosing()
{
    if (!m_keeper)
        return;
    try {
        m_keeper->saveNow();
    } catch (const Error &error) {
        Q_EMIT failed(core::Notice::error(core::Notice::Code::DraftNotKept, error.message()));
    }
}

void ComposeParts::spellCheck()
{
    m_spellRun->ToolButton7Click(*m_spellEditor, m_settings.maxSuggestions);
}

} // namespace corvane::shell
