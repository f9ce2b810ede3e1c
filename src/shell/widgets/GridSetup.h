#pragma once

#include "shell/ColumnSettings.h"

#include "sortgrid/SortTypes.h"

#include <QStringList>

namespace corvane::platform {
class IniFile;
}

namespace corvane::sortgrid {
class TSortGrid;
}

namespace corvane::shell {

// The main window's three list grids: AddressSG (Address Book), inboxSG (InBox), SentSG (Sent Items).
struct ListGrids
{
    sortgrid::TSortGrid *address = nullptr;
    sortgrid::TSortGrid *inbox = nullptr;
    sortgrid::TSortGrid *sent = nullptr;

    sortgrid::TSortGrid *grid(GridId id) const;
};

// The texts of a grid's header row, column 0 first.
QStringList gridHeaderTexts(GridId id);

// Makes a grid one of the list grids: its object name, its columns with one header row and no
// fixed column, whole-row selection, column sizing, no editing and non-proportional scroll bars.
void configureListGrid(sortgrid::TSortGrid &grid, GridId id);

// Writes the header row of each grid (start-up).
void setGridHeaders(const ListGrids &grids);

// Start-up's SizeColumns: the column widths from "main.ini", then, when "EnableSort" is on, each
// grid sorted by its stored column and direction (text compared without regard to case).
void SizeColumns(const ListGrids &grids, const platform::IniFile &settingsFile);

// Re-applies a grid's stored sort after its pane refilled it; nothing when "EnableSort" is off.
void applyStoredSort(sortgrid::TSortGrid &grid, GridId id, const platform::IniFile &settingsFile);
void applyStoredSort(sortgrid::TSortGrid &grid, GridId id, const ColumnSettings &settings);

// The click-sort handlers: store the clicked column and the direction of the sort it starts.
// Throw WriteError when "main.ini" cannot be written; the sort then does not run.
void AddressSGClickSort(platform::IniFile &settingsFile, int col, const sortgrid::TSortOptions &options);
void inboxSGClickSort(platform::IniFile &settingsFile, int col, const sortgrid::TSortOptions &options);
void SentSGClickSort(platform::IniFile &settingsFile, int col, const sortgrid::TSortOptions &options);

// Hooks the click-sort handlers to the grids' OnClickSort, writing through settingsFile (which
// must outlive the grids). A write that fails reaches the grid's failed signal.
void installClickSortHandlers(const ListGrids &grids, const platform::IniFile &settingsFile);

// The current widths of a grid's columns, column 0 first.
QList<int> columnWidths(const sortgrid::TSortGrid &grid);

// FormDestroy: writes the widths of columns 1 and up of each grid; column 0 is never written.
void writeGridWidths(const ListGrids &grids, platform::IniFile &settingsFile);

} // namespace corvane::shell
