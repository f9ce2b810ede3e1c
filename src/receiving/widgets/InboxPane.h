#pragma once

#include "ui/widgets/ListPane.h"

#include "core/LongOperation.h"

#include <functional>

class QAction;
class QKeySequence;
class QToolBar;

namespace corvane::receiving {

class InboxStore;

// The InBox pane: the received messages in the inbox grid, one row a message: Msg No., the
// sender's name, the subject, the attached files' names, the date text as stored, and "Unread" or
// "Read". Above the grid the tool bar ToolBar5 holds Delete Message and Check Mail. A double click
// or Enter on a row asks for the Mail Reader; Delete deletes the row's message. Every command finds
// its message through the row's "Msg No.", never the row's index. Unread rows are bold; the grid's
// context menu holds the commands on the selected message.
class InboxPane : public ui::ListPane
{
    Q_OBJECT

public:
    // Asks a question with Yes and No; true on Yes.
    using Confirm = std::function<bool(QWidget *parent, const QString &question)>;

    explicit InboxPane(InboxStore &store, QWidget *parent = nullptr);

    // The inbox grid must be filled again before it shows: the store changed since.
    bool InboxDirty() const { return refillDue(); }

    // InboxDeleteMsg, which the Mail Reader's DeleteMsgI shares.
    QAction *deleteAction() const { return m_delete; }
    // Puts the window's Check Mail action on the tool bar as Checki2.
    void addCheckAction(QAction *checki);
    void setConfirm(Confirm confirm) { m_confirm = std::move(confirm); }
    // The mail check, which saves the store when it ends: Delete while it runs is refused.
    void setMailCheck(const core::LongOperation *check) { m_check = check; }

    // Deletes the message of the selected row after the confirmation, then shows the list again
    // with the same row index selected. A message deleted meanwhile is not looked for elsewhere.
    void InboxDeleteMsgExecute();
    // Sets the selected row's message back to unread and shows the list again.
    void markUnreadExecute();

Q_SIGNALS:
    // A double click or Enter on a message row: show it in the Mail Reader.
    void openRequested();
    // A deletion asks for the InBox pane in front (it may have started in the reader).
    void listRequested();
    // Reply, Reply All and Forward of the selected row's message, at this store position.
    void replyRequested(int position);
    void replyAllRequested(int position);
    void forwardRequested(int position);

protected:
    // Reads each message as its row goes in, so a big inbox is read in the fill's slices too.
    RowSource rowSource() const override;
    ui::BodyTexts::Source bodySource() const override;

private:
    InboxStore &m_store;
    Confirm m_confirm;
    const core::LongOperation *m_check = nullptr;
    // Puts a command on the grid's context menu under the key.
    QAction *addContextAction(const QString &caption, const char *name, const QKeySequence &key);
    // A context command that asks for the selected row's message through the signal.
    void addMessageAction(const QString &caption, const char *name, void (InboxPane::*request)(int position));

    QToolBar *m_toolBar;
    QAction *m_delete;
};

} // namespace corvane::receiving
