#include "BatchFill.h"

#include "StringGridModel.h"

#include "platform/EventLoopWait.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QScopeGuard>

namespace corvane::sortgrid {

BatchFill::Result BatchFill::fill(StringGridModel &grid, int firstRow, int count, const RowSource &source)
{
    return fill(grid, firstRow, count, source, Options());
}

BatchFill::Result BatchFill::fill(StringGridModel &grid, int firstRow, int count, const RowSource &source,
                                  const Options &options)
{
    const QPointer<StringGridModel> alive(&grid);
    const quint64 fill = grid.startFill();
    const int columns = grid.gridColumnCount();
    QElapsedTimer slice;
    slice.start();
    grid.BeginUpdate();
    bool updating = true;
    // However the fill ends, an update still open is ended and the fill is marked done, unless
    // the grid went away while events ran.
    const auto finish = qScopeGuard([&] {
        if (!alive)
            return;
        if (updating)
            grid.EndUpdate();
        grid.endFill(fill);
    });
    for (int i = 0; i < count; ++i) {
        QStringList cells;
        cells.reserve(columns);
        source(i, cells);
        grid.setRows(firstRow + i, std::move(cells));
        // Look at the clock every 64 rows only: reading it costs more than a row.
        if ((i & 63) == 63 && slice.elapsed() >= options.sliceMs && i + 1 < count) {
            grid.EndUpdate();
            updating = false;
            if (options.yield)
                options.yield();
            else
                platform::EventLoopWaiter::runPendingEvents();
            if (!alive)
                return Result::GridDestroyed;
            if (!grid.isFillCurrent(fill))
                return Result::Superseded;
            grid.BeginUpdate();
            updating = true;
            slice.restart();
        }
    }
    return Result::Completed;
}

} // namespace corvane::sortgrid
