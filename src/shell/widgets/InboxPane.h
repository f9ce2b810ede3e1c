#pragma once

#include "ListPane.h"

namespace corvane::receiving {
class InboxStore;
}

namespace corvane::shell {

// The rows of the inbox grid in store order: Msg No. (position + 1), the sender's name, the
// subject, the attached files' names joined by ", ", the date text as stored, and "Unread" or "Read".
QList<QStringList> inboxRows(const receiving::InboxStore &store);

// The InBox pane ("InBoxPan"): the received messages in inboxSG.
class InboxPane : public ListPane
{
    Q_OBJECT

public:
    InboxPane(receiving::InboxStore &store, const platform::IniFile &settingsFile, QWidget *parent = nullptr);

protected:
    bool &refillFlag() override;
    // Reads each message as its row goes in, so a big inbox is read in the fill's slices too.
    RowSource rowSource() const override;

private:
    receiving::InboxStore &m_store;
};

} // namespace corvane::shell
