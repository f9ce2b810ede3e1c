#include "AddressGrid.h"

#include "AddressListPane.h"

#include "addressbook/AddressEditing.h"
#include "sortgrid/widgets/SortGrid.h"

namespace corvane::addressbook {

std::optional<int> selectedAddress(const sortgrid::TSortGrid &grid, int count)
{
    const int row = grid.Row();
    if (row < 1 || row >= grid.RowCount())
        return std::nullopt;
    return addressPosition(grid.Cells(0, row), row, count);
}

bool selectAddress(sortgrid::TSortGrid &grid, int position)
{
    const QString number = QString::number(position + 1);
    for (int row = 1; row < grid.RowCount(); ++row) {
        if (grid.Cells(0, row) == number) {
            grid.setRow(row);
            return true;
        }
    }
    return false;
}

bool refreshAddressList(AddressListPane &list, std::optional<int> keep)
{
    if (list.showList() == ui::ListPane::Shown::Superseded)
        return false;
    if (keep)
        selectAddress(*list.grid(), *keep);
    return true;
}

} // namespace corvane::addressbook
