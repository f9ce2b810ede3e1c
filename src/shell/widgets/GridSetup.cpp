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
    static constexpr const char *address[] = {QT_TRANSLATE_NOOP("corvane::shell::GridSetup", "Address No."),
                                              QT_TRANSLATE_NOOP("corvane::shell::GridSetup", "Name"),
                                              QT_TRANSLATE_NOOP("corvane::shell::GridSetup", "Inbox"),
                                              QT_TRANSLATE_NOOP("corvane::shell::GridSetup", "Comment"),
                                              QT_TRANSLATE_NOOP("corvane::shell::GridSetup", "Server")};
    static constexpr const char *inbox[] = {QT_TRANSLATE_NOOP("corvane::shell::GridSetup", "Msg No."),
                                            QT_TRANSLATE_NOOP("corvane::shell::GridSetup", "From"),
                                            QT_TRANSLATE_NOOP("corvane::shell::GridSetup", "Subject"),
                                            QT_TRANSLATE_NOOP("corvane::shell::GridSetup", "Attachments"),
                                            QT_TRANSLATE_NOOP("corvane::shell::GridSetup", "Date"),
                                            QT_TRANSLATE_NOOP("corvane::shell::GridSetup", "Read")};
    static constexpr const char *sent[] = {QT_TRANSLATE_NOOP("corvane::shell::GridSetup", "Msg No."),
                                           QT_TRANSLATE_NOOP("corvane::shell::GridSetup", "To"),
                                           QT_TRANSLATE_NOOP("corvane::shell::GridSetup", "Subject"),
                                           QT_TRANSLATE_NOOP("corvane::shell::GridSetup", "Attachments"),
                                           QT_TRANSLATE_NOOP("corvane::shell::GridSetup", "Date"),
                                           QT_TRANSLATE_NOOP("corvane::shell::GridSetup", "Delivery")};
    const auto shown = [](const auto &sources) {
        QStringList texts;
        for (const char *source : sources)
            texts.append(QCoreApplication::translate("corvane::shell::GridSetup", source));
        return texts;
    };
    switch (id) {
    case GridId::Address: return shown(address);
    case GridId::Inbox: return shown(inbox);
    case GridId::Sent: return shown(sent);
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
        widths.append(grid.designColWidth(col));
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
