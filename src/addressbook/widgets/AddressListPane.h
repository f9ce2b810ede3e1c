#pragma once

#include "ui/widgets/ListPane.h"

namespace corvane::addressbook {

class AddressStore;

// The rows of the address grid in store order: Address No. (position + 1), Name, Inbox, Comment
// and Server ("True" for a server folder, else "False").
QList<QStringList> addressRows(const AddressStore &store);

// The Address Book pane: the address entries in the address grid.
class AddressListPane : public ui::ListPane
{
    Q_OBJECT

public:
    explicit AddressListPane(AddressStore &store, QWidget *parent = nullptr);

    // The address grid must be filled again before it shows: the store changed since.
    bool AddressListDirty() const { return refillDue(); }

    // The entries' names in the order the grid shows them, the grid brought up to date first
    // (entries without a name are left out): what the recipient dialog offers.
    QStringList namesInShownOrder();

protected:
    RowSource rowSource() const override { return rowsOf(addressRows(m_store)); }

private:
    AddressStore &m_store;
};

} // namespace corvane::addressbook
