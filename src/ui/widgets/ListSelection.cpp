#include "ui/widgets/ListSelection.h"

#include "sortgrid/widgets/SortGrid.h"
#include "ui/ListPosition.h"

#include <algorithm>
#include <limits>

namespace corvane::ui {

std::optional<int> rowPosition(const sortgrid::TSortGrid &grid, int row, int count)
{
    if (row < grid.FixedRows() || row >= grid.RowCount())
        return std::nullopt;
    return positionOfNumber(grid.Cells(0, row), count);
}

std::optional<int> selectedPosition(const sortgrid::TSortGrid &grid, int count)
{
    return rowPosition(grid, grid.Row(), count);
}

std::optional<int> rowOfPosition(const sortgrid::TSortGrid &grid, int position)
{
    for (int row = grid.FixedRows(); row < grid.RowCount(); ++row) {
        if (rowPosition(grid, row, std::numeric_limits<int>::max()) == position)
            return row;
    }
    return std::nullopt;
}

void selectDataRow(sortgrid::TSortGrid &grid, int row)
{
    if (grid.RowCount() <= grid.FixedRows())
        return;
    grid.setRow(std::clamp(row, grid.FixedRows(), grid.RowCount() - 1));
}

} // namespace corvane::ui
