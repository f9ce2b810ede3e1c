#pragma once

#include <optional>

namespace corvane::sortgrid {
class TSortGrid;
}

namespace corvane::ui {

// How a list grid's rows name their records, the one way for every list: a data row (below the
// fixed rows) names the store position its number in column 0 gives (positionOfNumber). Nothing
// for a fixed row, a row outside the grid, or a number that names none of a store of `count`.
std::optional<int> rowPosition(const sortgrid::TSortGrid &grid, int row, int count);
// The same for the grid's selected row.
std::optional<int> selectedPosition(const sortgrid::TSortGrid &grid, int count);
// The data row that names the store position; nothing when no row does.
std::optional<int> rowOfPosition(const sortgrid::TSortGrid &grid, int position);

// Selects a data row, the last one when the grid has fewer; nothing when it has none.
void selectDataRow(sortgrid::TSortGrid &grid, int row);

} // namespace corvane::ui
