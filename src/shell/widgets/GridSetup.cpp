#include "GridSetup.h"

#include "platform/IniFile.h"
#include "sortgrid/widgets/SortGrid.h"

#include <QCoreApplication>

namespace corvane::shell {

using sortgrid::TSortGrid;
using sortgrid::TSortOptions;

namespace {

constexpr GridId kGrids[] = {GridId::Address, GridId::Inbox, GridId::Sent};

QString gridName(GridId id)
{
    switch (id) {
    case GridId::Address: return QStringLiteral("AddressSG");
    case GridId::Inbox: return QStringLiteral("inboxSG");
    case GridId::Sent: return QStringLiteral("SentSG");
    }
    return {};
}

void writeSort(platform::IniFile &file, GridId id, int col, const TSortOptions &options)
{
    writeClickSort(file, id, col, int(options.Direction));
}

} // namespace

TSortGrid *ListGrids::grid(GridId id) const
{
    switch (id) {
    case GridId::Address: return address;
    case GridId::Inbox: return inbox;
    case GridId::Sent: return sent;
    }
    return nullptr;
}

QStringList gridHeaderTexts(GridId id)
{
    switch (id) {
    case GridId::Address:
        return {QStringLiteral("Address No."), QStringLiteral("Name"), QStringLiteral("Inbox"),
                QStringLiteral("Comment"), QStringLiteral("Server")};
    case GridId::Inbox:
        return {QStringLiteral("Msg No."), QStringLiteral("From"), QStringLiteral("Subject"),
                QStringLiteral("Attachments"), QStringLiteral("Date"), QStringLiteral("Read")};
    case GridId::Sent:
        return {QStringLiteral("Msg No."), QStringLiteral("To"), QStringLiteral("Subject"),
                QStringLiteral("Attachments"), QStringLiteral("Date"),
                QCoreApplication::translate("corvane::shell::GridSetup", "Delivery")};
    }
    return {};
}

void configureListGrid(TSortGrid &grid, GridId id)
{
    using namespace sortgrid;
    grid.setObjectName(gridName(id));
    grid.setColCount(int(gridHeaderTexts(id).size()));
    grid.setFixedCols(0);
    if (grid.RowCount() < 1)
        grid.setRowCount(1);
    grid.setFixedRows(1);
    // The message lists take several rows at once (Shift, Ctrl) for a deletion.
    const TGridOptions several = id == GridId::Address ? TGridOptions() : TGridOptions(goRangeSelect);
    grid.setOptions(TGridOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goColSizing
                                 | goRowSelect | goThumbTracking)
                    | several);
    grid.setProportionalScrollBars(false);
    grid.setClickSorting(true);
    grid.setExtendedKeys(false);
}

void setGridHeaders(const ListGrids &grids)
{
    for (const GridId id : kGrids) {
        TSortGrid *grid = grids.grid(id);
        if (!grid)
            continue;
        const QStringList texts = gridHeaderTexts(id);
        if (grid->ColCount() < texts.size())
            grid->setColCount(int(texts.size()));
        for (int col = 0; col < texts.size(); ++col)
            grid->setCells(col, 0, texts[col]);
    }
}

void SizeColumns(const ListGrids &grids, const platform::IniFile &settingsFile)
{
    const ColumnSettings settings = readColumnSettings(settingsFile);
    for (const GridId id : kGrids) {
        TSortGrid *grid = grids.grid(id);
        if (!grid)
            continue;
        const QList<int> &widths = settings.grid(id).widths;
        for (int col = 0; col < widths.size() && col < grid->ColCount(); ++col)
            grid->setColWidths(col, widths[col]);
    }
    for (const GridId id : kGrids) {
        if (TSortGrid *grid = grids.grid(id))
            applyStoredSort(*grid, id, settings);
    }
}

void applyStoredSort(TSortGrid &grid, GridId id, const platform::IniFile &settingsFile)
{
    applyStoredSort(grid, id, readColumnSettings(settingsFile));
}

void applyStoredSort(TSortGrid &grid, GridId id, const ColumnSettings &settings)
{
    if (!settings.enableSort)
        return;
    const GridColumnSettings &stored = settings.grid(id);
    // Direction code 1 is descending; any other code sorts ascending.
    const TSortOptions options{sortgrid::skAuto,
                               stored.sortDirection == 1 ? sortgrid::soDescending : sortgrid::soAscending, false};
    grid.SortOnColumn(stored.sortColumn, options);
}

void AddressSGClickSort(platform::IniFile &settingsFile, int col, const TSortOptions &options)
{
    writeSort(settingsFile, GridId::Address, col, options);
}

void inboxSGClickSort(platform::IniFile &settingsFile, int col, const TSortOptions &options)
{
    writeSort(settingsFile, GridId::Inbox, col, options);
}

void SentSGClickSort(platform::IniFile &settingsFile, int col, const TSortOptions &options)
{
    writeSort(settingsFile, GridId::Sent, col, options);
}

void installClickSortHandlers(const ListGrids &grids, const platform::IniFile &settingsFile)
{
    using Handler = void (*)(platform::IniFile &, int, const TSortOptions &);
    const std::pair<GridId, Handler> handlers[] = {{GridId::Address, &AddressSGClickSort},
                                                   {GridId::Inbox, &inboxSGClickSort},
                                                   {GridId::Sent, &SentSGClickSort}};
    for (const auto &[id, handler] : handlers) {
        TSortGrid *grid = grids.grid(id);
        if (!grid)
            continue;
        // The window's settings file itself, so that a file refusing writes refuses these too.
        grid->OnClickSort = [&settingsFile, handler = handler](TSortGrid *, int col, int, TSortOptions &options) {
            platform::IniFile file = settingsFile;
            handler(file, col, options);
        };
    }
}

QList<int> columnWidths(const TSortGrid &grid)
{
    QList<int> widths;
    for (int col = 0; col < grid.ColCount(); ++col)
        widths.append(grid.ColWidths(col));
    return widths;
}

void writeGridWidths(const ListGrids &grids, platform::IniFile &settingsFile)
{
    for (const GridId id : kGrids) {
        if (const TSortGrid *grid = grids.grid(id))
            writeColumnWidths(settingsFile, id, columnWidths(*grid));
    }
}

} // namespace corvane::shell
