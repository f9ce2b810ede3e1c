#include "addressbook/widgets/AddressListPane.h"

#include "addressbook/AddressStore.h"
#include "addressbook/RecipientList.h"

namespace corvane::addressbook {

QList<QStringList> addressRows(const AddressStore &store)
{
    QList<QStringList> rows;
    for (const AddressEntry &entry : store.entries())
        rows.append({QString::number(rows.size() + 1), entry.Name, entry.Inbox, entry.Comment,
                     entry.Server ? kTrue : kFalse});
    return rows;
}

AddressListPane::AddressListPane(AddressStore &store, QWidget *parent) : ListPane(parent), m_store(store) {}

bool &AddressListPane::refillFlag()
{
    return m_store.AddressListDirty;
}

} // namespace corvane::addressbook
