#pragma once

#include "ui/widgets/ListPane.h"

namespace corvane::sending {

class SentStore;

// The rows of the Sent Items grid in store order: Msg No., recipients, subject, attached files'
// names and the date text, as the store words them.
QList<QStringList> sentRows(const SentStore &store);

// The Sent Items pane: the sent messages in the Sent Items grid.
class SentItemsPane : public ui::ListPane
{
    Q_OBJECT

public:
    explicit SentItemsPane(SentStore &store, QWidget *parent = nullptr);

    // The Sent Items grid must be filled again before it shows: the store changed since.
    bool SentChanged() const { return refillDue(); }

protected:
    quint64 storeRevision() const override;
    RowSource rowSource() const override { return rowsOf(sentRows(m_store)); }
    ui::BodyTexts::Source bodySource() const override;

private:
    SentStore &m_store;
};

} // namespace corvane::sending
