#pragma once

#include <optional>

namespace corvane::sortgrid {
class TSortGrid;
}

namespace corvane::ui {

// The store position the grid's selected data row names through its number in column 0; nothing
// when no data row is selected or the number names none of a store of `count` items.
std::optional<int> selectedPosition(const sortgrid::TSortGrid &grid, int count);

// Selects a data row, the last one when the grid has fewer; nothing when it has none.
void selectDataRow(sortgrid::TSortGrid &grid, int row);

} // namespace corvane::ui
