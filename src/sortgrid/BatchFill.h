#pragma once

#include <QStringList>

#include <functional>

namespace corvane::sortgrid {

class StringGridModel;

// Fills a grid's rows from a source in slices of a few milliseconds, letting the event loop run
// between slices (never between single rows), so the window stays responsive while a big list
// fills. The rows must exist; each slice is announced to the view once.
class BatchFill
{
public:
    // Fills the texts of the index-th row to fill.
    using RowSource = std::function<void(int index, QStringList &cells)>;

    enum class Result {
        Completed,
        Superseded,    // a newer fill of the same grid started while this one yielded
        GridDestroyed, // the grid went away while this one yielded
    };

    struct Options
    {
        int sliceMs = 15;
        // Runs the event loop once; by default platform::EventLoopWaiter::runPendingEvents.
        std::function<void()> yield;
    };

    // Fills rows firstRow .. firstRow + count - 1. An exception from the source ends the fill
    // with the rows filled so far shown, and propagates.
    static Result fill(StringGridModel &grid, int firstRow, int count, const RowSource &source);
    static Result fill(StringGridModel &grid, int firstRow, int count, const RowSource &source,
                       const Options &options);
};

} // namespace corvane::sortgrid
