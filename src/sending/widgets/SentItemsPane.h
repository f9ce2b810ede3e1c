#pragma once

#include "sending/DeliveryWatch.h"

#include "ui/widgets/ListPane.h"

#include <functional>

class QAction;

namespace corvane::sending {

class SentStore;

// The rows of the Sent Items grid in store order: Msg No., recipients, subject, attached files'
// names, the date text, as the store words them, and the Delivery text when it is known without
// looking (`known`, by position; empty otherwise).
QList<QStringList> sentRows(const SentStore &store, const std::function<QString(int position)> &known = {});

// The Sent Items pane: the sent messages in the Sent Items grid, under the tool bar ToolBar7 with
// Delete Item (also the Delete key). Delete finds its message through the row's "Msg No.".
class SentItemsPane : public ui::ListPane
{
    Q_OBJECT

public:
    // Asks a question with Yes and No; true on Yes.
    using Confirm = std::function<bool(QWidget *parent, const QString &question)>;

    explicit SentItemsPane(SentStore &store, QWidget *parent = nullptr);

    // The Sent Items grid must be filled again before it shows: the store changed since.
    bool SentChanged() const { return refillDue(); }

    QAction *deleteAction() const { return m_delete; }
    void setConfirm(Confirm confirm) { m_confirm = std::move(confirm); }

    // Deletes the message of the selected row after the confirmation; then the row index stays
    // selected, or the row above when the last row went, and the list shows again.
    void DeleteSentIClick();

    // Looks where each shown message's files are now and fills in the Delivery column when the
    // answers come; done after every display of the list, and after each mail check.
    void lookAtDelivery();
    DeliveryWatch &deliveryWatch() { return *m_watch; }

Q_SIGNALS:
    // A deletion asks for the Sent Items pane to be shown again (SentBoxObi).
    void listRequested();
    // SentSGDblClick: the message at this store position is to be reopened for sending.
    void reopenRequested(int position);

protected:
    RowSource rowSource() const override;
    ui::BodyTexts::Source bodySource() const override;

private:
    void showDelivery(const QList<DeliveryWatch::State> &states);

    SentStore &m_store;
    Confirm m_confirm;
    QAction *m_delete;
    DeliveryWatch *m_watch;
};

inline QString deleteSentQuestionText()
{
    return SentItemsPane::tr("Are you sure you want to delete this message?");
}

} // namespace corvane::sending
