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

    std::optional<platform::RecordId> recordAt(int position) const override;
    std::optional<int> positionOfRecord(platform::RecordId id) const override;

protected:
    quint64 storeRevision() const override;
    RowSource rowSource() const override { return rowsOf(addressRows(m_store)); }
    std::vector<platform::RecordId> recordIds() const override;

private:
    AddressStore &m_store;
};

} // namespace corvane::addressbook
