#include "GridFill.h"

#include "StringGridModel.h"

#include "platform/Errors.h"

#include <QElapsedTimer>
#include <QScopeGuard>

namespace corvane::sortgrid {

GridFill::GridFill(QObject *parent) : QObject(parent)
{
    m_next.setSingleShot(true);
    m_next.setInterval(0);
    connect(&m_next, &QTimer::timeout, this, [this] { step(false); });
}

void GridFill::start(StringGridModel &grid, int firstRow, int count, RowSource source, Options options)
{
    if (isRunning())
        end(Result::Superseded);
    m_grid = &grid;
    m_source = std::move(source);
    m_options = options;
    m_error.clear();
    m_fill = grid.startFill();
    m_firstRow = firstRow;
    m_count = count;
    m_done = 0;
    step(false);
}

void GridFill::finishNow()
{
    if (isRunning()) {
        m_next.stop();
        step(true);
    }
}

void GridFill::step(bool untilDone)
{
    if (!m_grid) {
        end(Result::GridDestroyed);
        return;
    }
    StringGridModel &grid = *m_grid;
    if (!grid.isFillCurrent(m_fill)) {
        end(Result::Superseded);
        return;
    }
    const int columns = grid.gridColumnCount();
    QElapsedTimer slice;
    slice.start();
    std::optional<Result> ended;
    {
        grid.BeginUpdate();
        const auto endUpdate = qScopeGuard([&] { grid.EndUpdate(); });
        try {
            while (m_done < m_count) {
                QStringList cells;
                cells.reserve(columns);
                if (!m_source(m_done, cells)) {
                    ended = Result::SourceChanged;
                    break;
                }
                grid.setRows(m_firstRow + m_done, std::move(cells));
                ++m_done;
                // Look at the clock every 64 rows only: reading it costs more than a row.
                if (!untilDone && (m_done & 63) == 0 && slice.elapsed() >= m_options.sliceMs)
                    break;
            }
        } catch (const Error &error) {
            m_error = error.message();
            ended = Result::Failed;
        }
    }
    if (!ended && m_done == m_count)
        ended = Result::Completed;
    if (ended) {
        end(*ended);
        return;
    }
    const QPointer<GridFill> alive(this);
    Q_EMIT progress(m_done, m_count);
    if (alive && isRunning())
        m_next.start();
}

void GridFill::end(Result result)
{
    m_next.stop();
    if (m_grid)
        m_grid->endFill(m_fill);
    m_source = {};
    m_grid.clear();
    Q_EMIT finished(result);
}

} // namespace corvane::sortgrid
