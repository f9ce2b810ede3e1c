#pragma once

#include "ui/widgets/ListPane.h"

namespace corvane::receiving {

class InboxStore;

// The rows of the inbox grid in store order: Msg No. (position + 1), the sender's name, the
// subject, the attached files' names joined by ", ", the date text as stored, and "Unread" or "Read".
QList<QStringList> inboxRows(const InboxStore &store);

// The InBox pane: the received messages in the inbox grid.
class InboxPane : public ui::ListPane
{
    Q_OBJECT

public:
    explicit InboxPane(InboxStore &store, QWidget *parent = nullptr);

protected:
    bool &refillFlag() override;
    // Reads each message as its row goes in, so a big inbox is read in the fill's slices too.
    RowSource rowSource() const override;

private:
    InboxStore &m_store;
};

} // namespace corvane::receiving
