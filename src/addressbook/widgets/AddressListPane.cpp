#include "addressbook/widgets/AddressListPane.h"

#include "addressbook/AddressStore.h"
#include "addressbook/RecipientList.h"
#include "sortgrid/widgets/SortGrid.h"

namespace corvane::addressbook {

QList<QStringList> addressRows(const AddressStore &store)
{
    QList<QStringList> rows;
    for (const AddressRow &row : store.rows())
        rows.append({QString::number(row.number), row.entry.Name, row.entry.Inbox, row.entry.Comment,
                     core::truthText(row.entry.Server)});
    return rows;
}

AddressListPane::AddressListPane(AddressStore &store, QWidget *parent)
    : ListPane(recordsOf(store), parent), m_store(store)
{}

QStringList AddressListPane::namesInShownOrder()
{
    showList();
    finishFill(); // every name at once, not the first slice
    QStringList names;
    const sortgrid::TSortGrid *list = grid();
    for (int row = list->FixedRows(); row < list->RowCount(); ++row) {
        const QString name = list->Cells(1, row);
        if (!name.isEmpty())
            names.append(name);
    }
    return names;
}

} // namespace corvane::addressbook
