#pragma once

#include "KeyConverter.h"
#include "SortTypes.h"

#include <vector>

namespace corvane::sortgrid {

class StringGridModel;

// The sorting of a grid's data rows by one column, and its undo. Holds the sort list of the last
// sort (entry i: the key and the former row of the row now in data row i). Sorts are not
// re-entrant: the grid's UI thread runs one at a time.
class GridSorter
{
public:
    explicit GridSorter(StringGridModel &grid) : m_grid(grid) {}

    // Numeric, date-time or text, from the data rows of the column. Keeps the converted cells
    // for a sort of the same column that follows before any cell changes.
    TSortStyle GuessColumnKind(int column, const KeyConverter &converter = defaultKeyConverter());
    // Sorts by the column with a concrete Style and moves every row whole. Returns the new grid
    // row of the row that was currentRow, or -1 when that was no data row.
    int SortRows(int column, TSortOptions options, int currentRow,
                 const KeyConverter &converter = defaultKeyConverter());
    // True when the sort list still has one entry per data row; clears it when not.
    bool SortUndoAvailable();
    // Puts the rows back where they were before the last sort and clears the list. Returns the
    // grid row the row at currentRow goes back to, or -1 (nothing undone, or no data row).
    int UndoSort(int currentRow);

    const TSortedList &SortList() const { return m_sortList; }
    bool Sorting() const { return m_sorting; }

private:
    struct DetectedValues
    {
        int column = -1;
        quint64 revision = 0;
        TSortStyle style = skText;
        QLocale locale;
        std::vector<double> values;
    };

    std::vector<double> takeValues(int column, TSortStyle style, const KeyConverter &converter);

    StringGridModel &m_grid;
    DetectedValues m_detected;
    TSortedList m_sortList;
    bool m_sorting = false;
};

} // namespace corvane::sortgrid
