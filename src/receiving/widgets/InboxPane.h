#pragma once

#include "ui/widgets/ListPane.h"

namespace corvane::receiving {

class InboxStore;

// The InBox pane: the received messages in the inbox grid, one row a message: Msg No., the
// sender's name, the subject, the attached files' names, the date text as stored, and "Unread" or
// "Read".
class InboxPane : public ui::ListPane
{
    Q_OBJECT

public:
    explicit InboxPane(InboxStore &store, QWidget *parent = nullptr);

    // The inbox grid must be filled again before it shows: the store changed since.
    bool InboxDirty() const { return refillDue(); }

protected:
    quint64 storeRevision() const override;
    // Reads each message as its row goes in, so a big inbox is read in the fill's slices too.
    RowSource rowSource() const override;
    ui::BodyTexts::Source bodySource() const override;

private:
    InboxStore &m_store;
};

} // namespace corvane::receiving
