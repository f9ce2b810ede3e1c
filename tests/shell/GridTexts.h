#pragma once

#include "sortgrid/widgets/SortGrid.h"

#include <QList>
#include <QStringList>

// The data cells of a list grid (its fixed header rows left out), for the list panes' tests.
namespace corvane::test {

inline QList<QStringList> dataRows(const sortgrid::TSortGrid &grid)
{
    QList<QStringList> rows;
    for (int row = grid.FixedRows(); row < grid.RowCount(); ++row)
        rows.append(grid.Rows(row));
    return rows;
}

inline QStringList dataColumn(const sortgrid::TSortGrid &grid, int col)
{
    QStringList texts = grid.Cols(col);
    texts.remove(0, grid.FixedRows());
    return texts;
}

} // namespace corvane::test
