#include "addressbook/widgets/AddressListPane.h"

#include "addressbook/AddressStore.h"
#include "addressbook/RecipientList.h"

namespace corvane::addressbook {

QList<QStringList> addressRows(const AddressStore &store)
{
    QList<QStringList> rows;
    for (const AddressRow &row : store.rows())
        rows.append({QString::number(row.number), row.entry.Name, row.entry.Inbox, row.entry.Comment,
                     core::truthText(row.entry.Server)});
    return rows;
}

AddressListPane::AddressListPane(AddressStore &store, QWidget *parent) : ListPane(parent), m_store(store) {}

quint64 AddressListPane::storeRevision() const
{
    return m_store.revision();
}

std::optional<platform::RecordId> AddressListPane::recordAt(int position) const
{
    return m_store.recordId(position);
}

std::optional<int> AddressListPane::positionOfRecord(platform::RecordId id) const
{
    return m_store.positionOf(id);
}

std::vector<platform::RecordId> AddressListPane::recordIds() const
{
    return m_store.recordIds();
}

} // namespace corvane::addressbook
