#include "ui/widgets/ListSelection.h"

#include "sortgrid/widgets/SortGrid.h"
#include "ui/ListPosition.h"

#include <algorithm>

namespace corvane::ui {

std::optional<int> selectedPosition(const sortgrid::TSortGrid &grid, int count)
{
    const int row = grid.Row();
    if (row < grid.FixedRows() || row >= grid.RowCount())
        return std::nullopt;
    return positionOfNumber(grid.Cells(0, row), count);
}

void selectDataRow(sortgrid::TSortGrid &grid, int row)
{
    if (grid.RowCount() <= grid.FixedRows())
        return;
    grid.setRow(std::clamp(row, grid.FixedRows(), grid.RowCount() - 1));
}

} // namespace corvane::ui
