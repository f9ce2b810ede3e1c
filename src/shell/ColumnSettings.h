#pragma once

#include <QList>
#include <QString>

namespace corvane::platform {
class IniFile;
}

namespace corvane::shell {

// The three list grids whose widths and sorts "main.ini" keeps.
enum class GridId { Address, Inbox, Sent };

struct GridColumnSettings
{
    QList<int> widths; // column 0 (the number column) first
    int sortColumn = 1;
    int sortDirection = 1; // 0 ascending, 1 descending
};

struct ColumnSettings
{
    bool enableSort = true;
    GridColumnSettings address;
    GridColumnSettings inbox;
    GridColumnSettings sent;

    const GridColumnSettings &grid(GridId id) const;
};

// The width keys of a grid, column 0 first.
QList<QString> widthKeys(GridId grid);
QList<int> defaultWidths(GridId grid);

// Reads the whole "Columns" section with its defaults.
ColumnSettings readColumnSettings(const platform::IniFile &file);
// Writes the widths of columns 1 and up; the number column's width is read-only.
void writeColumnWidths(platform::IniFile &file, GridId grid, const QList<int> &widths);
// What a header click writes: the column and the direction code.
void writeClickSort(platform::IniFile &file, GridId grid, int column, int direction);

} // namespace corvane::shell
