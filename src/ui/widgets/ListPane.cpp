#include "ui/widgets/ListPane.h"

#include "platform/Errors.h"
#include "sortgrid/widgets/SortGrid.h"

#include <QPointer>
#include <QVBoxLayout>

#include <memory>

namespace corvane::ui {

using sortgrid::BatchFill;

ListPane::ListPane(QWidget *parent)
    : CaptionPanel(QString(), parent), m_grid(new sortgrid::TSortGrid(body())), m_layout(new QVBoxLayout(body()))
{
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->addWidget(m_grid, 1);
}

ListPane::Shown ListPane::showList()
{
    const QPointer<ListPane> alive(this);
    try {
        Shown shown = Shown::Kept;
        if (refillDue()) {
            shown = fill();
            if (shown == Shown::Superseded)
                return shown;
        }
        // Also when nothing was refilled: the list always shows in its stored order.
        if (m_sort)
            m_sort(*m_grid);
        return shown;
    } catch (const Error &error) {
        if (alive)
            Q_EMIT failed(error.message());
        return Shown::Kept;
    }
}

ListPane::RowSource ListPane::rowsOf(QList<QStringList> rows)
{
    auto held = std::make_shared<QList<QStringList>>(std::move(rows));
    const int count = int(held->size());
    return {count, [held](int index, QStringList &cells) { cells = std::move((*held)[index]); }};
}

namespace {

// Thrown out of a fill when the store changed while the fill yielded.
struct StoreChanged
{
};

} // namespace

ListPane::Shown ListPane::fill()
{
    for (;;) {
        const quint64 revision = storeRevision();
        const RowSource source = rowSource();
        // Taken as shown before the first slice yields: whatever changes the store while the rows
        // go in raises its revision, and the fill then reads the store anew from the start.
        m_shownRevision = revision;
        m_grid->setRowCount(source.count + 1); // the header row stays, also with no rows
        // Everything the fill uses lives here: the pane may go away while the fill yields.
        const BatchFill::Options options = m_fillOptions;
        try {
            const BatchFill::Result result = BatchFill::fill(
                m_grid->gridData(), 1, source.count,
                [this, revision, &source](int index, QStringList &cells) {
                    // What the source holds may be gone: a deleted message, a reloaded store.
                    if (storeRevision() != revision)
                        throw StoreChanged();
                    source.read(index, cells);
                },
                options);
            return result == BatchFill::Result::Completed ? Shown::Refilled : Shown::Superseded;
        } catch (const StoreChanged &) {
        }
    }
}

} // namespace corvane::ui
