#pragma once

#include "ListPane.h"

namespace corvane::addressbook {
class AddressStore;
}

namespace corvane::shell {

// The rows of the address grid in store order: Address No. (position + 1), Name, Inbox, Comment
// and Server ("True" for a server folder, else "False").
QList<QStringList> addressRows(const addressbook::AddressStore &store);

// The Address Book pane ("AddressPan"): the address entries in AddressSG.
class AddressListPane : public ListPane
{
    Q_OBJECT

public:
    AddressListPane(addressbook::AddressStore &store, const platform::IniFile &settingsFile,
                    QWidget *parent = nullptr);

protected:
    bool &refillFlag() override;
    RowSource rowSource() const override { return rowsOf(addressRows(m_store)); }

private:
    addressbook::AddressStore &m_store;
};

} // namespace corvane::shell
