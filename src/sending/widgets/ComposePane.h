#pragma once

#include "sending/ComposeDraft.h"
#include "sending/RecipientCheck.h"

#include "core/LongOperation.h"

#include "ui/widgets/CaptionPanel.h"

#include <QHash>
#include <QIcon>
#include <QList>
#include <QPointer>

#include <functional>

class QAction;
class QActionGroup;
class QComboBox;
class QLineEdit;
class QMenu;
class QMimeData;
class QSpinBox;
class QToolButton;

namespace corvane::richtext {
class RichTextEditor;
}

namespace corvane::sending {

class AttachDialogue;
class ComposePrompts;
class ComposeSend;
class ToDialogue;
struct SendResult;

// The compose pane NewPan: the send and formatting buttons, the subject with the recipient and
// attachment boxes, and the rich text editor. It holds the draft until Clear; sending leaves it.
class ComposePane : public ui::CaptionPanel
{
    Q_OBJECT

public:
    ComposePane(ComposeDraft &draft, ComposeSend &send, std::function<addressbook::MailSettings()> settings,
                ComposePrompts &prompts, QWidget *parent = nullptr);

    // The recipient and attachment dialogs, created once and kept: To and Attach show them, and
    // they keep ToC and AttachC in step with the draft's lists.
    void setDialogs(ToDialogue *to, AttachDialogue *attach);

    richtext::RichTextEditor *editor() const { return m_editor; }
    QLineEdit *subjectBox() const { return m_subject; }
    // Sendi and ClearNewI, whose icons the window gives.
    QAction *sendAction() const { return m_sendAction; }
    QAction *clearAction() const { return m_clear; }
    // Gives the tool buttons their icons, asked for by their icon-theme names; the spell check's
    // comes from desktopIcon, so that it looks as spell checks do in the user's other programs.
    void setIcons(const std::function<QIcon(const char *name)> &icon,
                  const std::function<QIcon(const char *name)> &desktopIcon);
    ComposeDraft &draft() const { return m_draft; }

    // Asked by Reply, Forward and Reopen before they replace the message: refused with a message
    // while a send runs; a message edited since it was last sent, cleared or filled is discarded
    // only when the user agrees.
    bool mayReplaceDraft();
    // Other operations that work on the draft (the spell check): while one runs, Send, Clear/New
    // and the commands that replace the message are refused with its notice.
    void setOperationsOnDraft(QList<const core::LongOperation *> operations) { m_onDraft = std::move(operations); }

    // Adds entries to the front of the context menu NewPM for a right click at a point of the
    // editor's viewport (the spelling suggestions); they are taken out again at the next click.
    void setContextMenuExtender(std::function<void(QMenu *menu, const QPoint &position)> extend)
    {
        m_extendMenu = std::move(extend);
    }

    // The address book's entries, asked at Send to name the chosen recipients it does not have.
    void setAddressEntries(std::function<QList<addressbook::AddressEntry>()> entries)
    {
        m_addressEntries = std::move(entries);
    }

    // Puts the keyboard focus in the message text, where the caret is (a reply's first line).
    void focusMessageText();

    // Selection changed: brings the font box, size box and buttons in step with the selection.
    void Richtextbox1SelectionChange();
    // The "New" action's own step: the font box shows the selection's font.
    void showSelectionFont();

    // ClearNewIExecute: asks, then empties the pane.
    void ClearNewIExecute();
    // Starts the Send action on the draft as the pane shows it; the outcome is shown when the
    // send has ended, then sendEnded follows.
    void SendiExecute();

    // The mixed-state mark of a formatting button (bold, italic, underline, bullet).
    static bool isMarked(const QToolButton *button);

Q_SIGNALS:
    // ToolButton7: the body's spell check.
    void spellCheckRequested();
    // A send pressed here has ended and its outcome has been shown.
    void sendEnded();
    // At Send, the user chose to add this recipient to the address book first; nothing was sent.
    void addAddressRequested(const QString &name);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    QAction *formatAction(const QString &caption, const QString &hint, const char *name, const QKeySequence &key);
    void createActions();
    void createToolbars();
    void createEditor();
    void setMark(QAction *action, std::optional<bool> value);
    void applyFormat(QAction *action, bool on);
    void ToBClick();
    void AttachBClick();
    void AttachCKeyPress();
    bool attachDropped(const QMimeData &mime);
    void sendFinished(const SendResult &result);
    // Shows why a command that would replace or empty the message cannot run now (a send, or
    // another operation on the draft); true if refused.
    bool refusedWhileDraftInUse();
    // Names the recipients the address book lacks and offers to add the first that can be added;
    // true when the send goes ahead.
    bool sendDespiteUnknown(const QList<UnknownRecipient> &unknown);

    ComposeDraft &m_draft;
    ComposeSend &m_send;
    std::function<addressbook::MailSettings()> m_settings;
    std::function<QList<addressbook::AddressEntry>()> m_addressEntries;
    ComposePrompts &m_prompts;
    quint64 m_sentRevision = 0; // the draft's revision that the running send took
    QList<const core::LongOperation *> m_onDraft;
    FontSizeRule m_fontSize;
    QPointer<ToDialogue> m_toDialogue;
    QPointer<AttachDialogue> m_attachDialogue;

    QWidget *m_toolBar1 = nullptr; // the send and format buttons
    QWidget *m_toolBar2 = nullptr; // subject, recipients and attachments
    QHash<QAction *, QWidget *> m_buttons; // each action's button in ToolBar1
    QAction *m_sendAction = nullptr;
    QAction *m_clear = nullptr;
    QAction *m_bold = nullptr;
    QAction *m_italic = nullptr;
    QAction *m_underline = nullptr;
    QAction *m_left = nullptr;
    QAction *m_center = nullptr;
    QAction *m_right = nullptr;
    QAction *m_bullet = nullptr;
    QAction *m_redo = nullptr;
    QActionGroup *m_alignment = nullptr;
    QComboBox *m_font = nullptr;
    QSpinBox *m_size = nullptr;
    QLineEdit *m_subject = nullptr;
    QComboBox *m_to = nullptr;
    QComboBox *m_attach = nullptr;
    QToolButton *m_toButton = nullptr;
    QToolButton *m_attachButton = nullptr;
    QToolButton *m_spellButton = nullptr;
    richtext::RichTextEditor *m_editor = nullptr;
    QMenu *m_menu = nullptr; // NewPM
    QList<QAction *> m_menuActions; // NewPM's own entries
    std::function<void(QMenu *, const QPoint &)> m_extendMenu;
};

} // namespace corvane::sending
