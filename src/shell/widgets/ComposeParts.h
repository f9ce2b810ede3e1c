#pragma once

#include "sending/MakeMessage.h"
#include "sending/widgets/ComposePrompts.h"
#include "shell/Navigation.h"

#include <QObject>

#include <functional>
#include <memory>

namespace corvane::sending {
class AttachDialogue;
class ComposeDraft;
class ComposePane;
class ComposeSend;
class DraftKeeper;
class ToDialogue;
} // namespace corvane::sending

namespace corvane::spell {
class SpellCheckDialog;
class SpellEditor;
class SpellHighlighter;
class SpellRun;
} // namespace corvane::spell

namespace corvane::shell {

class MailServices;
class MessagePresenter;
struct Settings;

// The window's compose side: the draft, the compose pane, the recipient and attachment dialogs
// (created once and kept), the Send that the pane runs, and the spell check of its body.
class ComposeParts : public QObject
{
    Q_OBJECT

public:
    // settings: the live settings; messages shows what the user must read. Both outlive this.
    ComposeParts(MailServices &mail, const Settings &settings, MessagePresenter &messages, QWidget *window);
    ~ComposeParts() override;

    sending::ComposePane *pane() const { return m_pane; }
    sending::ComposeDraft &draft() const { return *m_draft; }
    sending::ComposeSend &send() const { return *m_send; }
    sending::ToDialogue *toDialogue() const { return m_to; }
    sending::AttachDialogue *attachDialogue() const { return m_attach; }
    spell::SpellRun &spellRun() const { return *m_spellRun; }

    // The address book's names for the recipient dialog, in the address grid's order.
    void setAddressNames(std::function<QStringList()> names);
    // The live spelling settings: "Check spelling as you type" and the dictionaries.
    void applySpellSettings();

    // Reply or Forward of the inbox store's message at this position, Reopen of Sent Items' one:
    // the compose pane takes the made message and asks to be shown.
    void replyTo(int inboxPosition) { makeFromInbox(inboxPosition, sending::MakeMode::Reply); }
    void forward(int inboxPosition) { makeFromInbox(inboxPosition, sending::MakeMode::Forward); }
    // Reply All: a reply to the sender and every other recipient but the user.
    void replyAll(int inboxPosition) { makeFromInbox(inboxPosition, sending::MakeMode::Reply, true); }
    void reopen(int sentPosition);

    // Keeps the message being written in this file of the profile while it is written.
    void keepDraftIn(const QString &path);
    sending::DraftKeeper *draftKeeper() const { return m_keeper; }
    // At start: a message kept when the program last ended is offered back. Yes puts it in the
    // compose pane and shows it; No removes it.
    void offerKeptDraft();
    // The window ends: the message being written is kept as it is now.
    void windowClosing();

Q_SIGNALS:
    void statusTextChanged(const QString &text);
    void failed(const core::Notice &notice);
    // Asks the window to show a pane through its action.
    void paneRequested(Pane pane);

private:
    // Notices and beeps go through the window's presenter; questions and the file dialog to the desktop.
    class Prompts : public sending::DesktopComposePrompts
    {
    public:
        explicit Prompts(MessagePresenter &messages) : m_messages(messages) {}
        void showNotice(QWidget *parent, const core::Notice &notice) override;
        void beep() override;
        bool confirm(QWidget *parent, const QString &question) override;

    private:
        MessagePresenter &m_messages;
    };

    void spellCheck();
    void makeFromInbox(int position, sending::MakeMode mode, bool toAll = false);
    void take(const core::Message &message, sending::MakeMode mode, bool toAll = false);

    MailServices &m_mail;
    MessagePresenter &m_messages;

    const Settings &m_settings;
    Prompts m_prompts;
    sending::ComposeDraft *m_draft;
    sending::ComposeSend *m_send;
    sending::DraftKeeper *m_keeper = nullptr;
    sending::ComposePane *m_pane;
    sending::ToDialogue *m_to;
    sending::AttachDialogue *m_attach;
    spell::SpellCheckDialog *m_spellDialog;
    spell::SpellRun *m_spellRun;
    std::unique_ptr<spell::SpellEditor> m_spellEditor; // the compose editor, as the spell run sees it
    spell::SpellHighlighter *m_highlighter;
};

} // namespace corvane::shell
