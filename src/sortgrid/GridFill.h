#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

namespace corvane::sortgrid {

class StringGridModel;

struct GridFillOptions
{
    int sliceMs = 15; // how long one step fills rows before the event loop runs again
};

// Fills a grid's rows from a source in slices of a few milliseconds, each slice a step of its own
// run from the event loop (a zero-time timer), never a row at a time, so the window stays
// responsive while a big list fills. The rows must exist; each slice is announced to the view
// once. A fill started later on the same grid (by this object or another) supersedes a running
// one, which then ends with Superseded.
class GridFill : public QObject
{
    Q_OBJECT

public:
    // Puts the texts of the index-th row to fill into cells; false when the source no longer
    // holds what the fill was started on (the fill ends with SourceChanged). May throw Error.
    using RowSource = std::function<bool(int index, QStringList &cells)>;

    enum class Result {
        Completed,
        Superseded,    // a newer fill of the same grid started
        GridDestroyed, // the grid went away
        SourceChanged, // the source said it changed under the fill
        Failed,        // the source threw; errorText() says why
    };
    Q_ENUM(Result)

    using Options = GridFillOptions;

    explicit GridFill(QObject *parent = nullptr);

    // Starts filling rows firstRow .. firstRow + count - 1 of grid. The first slice runs before
    // this returns, so that a list that fits in one is complete (and finished() emitted) at once;
    // the rest follows in steps. A fill this object was running ends first with Superseded.
    void start(StringGridModel &grid, int firstRow, int count, RowSource source, Options options = {});
    bool isRunning() const { return bool(m_source); }
    // Fills the rows left at once, without yielding: for a caller that needs the whole list now.
    void finishNow();
    QString errorText() const { return m_error; }

Q_SIGNALS:
    // After each slice: rows filled so far of those asked for.
    void progress(int filled, int count);
    // The fill has ended; rows filled before an early end stay shown.
    void finished(corvane::sortgrid::GridFill::Result result);

private:
    void step(bool untilDone);
    void end(Result result);

    QPointer<StringGridModel> m_grid;
    RowSource m_source;
    Options m_options;
    QTimer m_next;
    QString m_error;
    quint64 m_fill = 0;
    int m_firstRow = 0;
    int m_count = 0;
    int m_done = 0;
};

} // namespace corvane::sortgrid
