#pragma once

#include "ListPane.h"

namespace corvane::sending {
class SentStore;
}

namespace corvane::shell {

// The rows of the Sent Items grid in store order: Msg No., recipients, subject, attached files'
// names and the date text, as the store words them.
QList<QStringList> sentRows(const sending::SentStore &store);

// The Sent Items pane ("SentPan"): the sent messages in SentSG.
class SentItemsPane : public ListPane
{
    Q_OBJECT

public:
    SentItemsPane(sending::SentStore &store, const platform::IniFile &settingsFile, QWidget *parent = nullptr);

protected:
    bool &refillFlag() override;
    RowSource rowSource() const override { return rowsOf(sentRows(m_store)); }

private:
    sending::SentStore &m_store;
};

} // namespace corvane::shell
