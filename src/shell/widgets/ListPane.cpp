#include "ListPane.h"

#include "GridSetup.h"

#include "platform/Errors.h"
#include "sortgrid/widgets/SortGrid.h"

#include <QPointer>
#include <QVBoxLayout>

namespace corvane::shell {

using sortgrid::BatchFill;

ListPane::ListPane(GridId id, const platform::IniFile &settingsFile, QWidget *parent)
    : ui::CaptionPanel(QString(), parent), m_id(id), m_settingsFile(settingsFile),
      m_grid(new sortgrid::TSortGrid(body())), m_layout(new QVBoxLayout(body()))
{
    configureListGrid(*m_grid, id);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->addWidget(m_grid, 1);
}

ListPane::Shown ListPane::showList()
{
    const QPointer<ListPane> alive(this);
    try {
        Shown shown = Shown::Kept;
        if (refillFlag()) {
            shown = fill();
            if (shown == Shown::Superseded)
                return shown;
        }
        // Also when nothing was refilled: the list always shows in its stored order.
        applyStoredSort(*m_grid, m_id, m_settingsFile);
        return shown;
    } catch (const Error &error) {
        if (alive)
            Q_EMIT failed(error.message());
        return Shown::Kept;
    }
}

ListPane::Shown ListPane::fill()
{
    QList<QStringList> rows = storeRows();
    // Cleared before the first slice yields: a change to the store while the rows go in sets it
    // again, so the next display shows that change too.
    refillFlag() = false;
    m_grid->setRowCount(int(rows.size()) + 1); // the header row stays, also with no rows
    // Everything the fill uses lives here: the pane may go away while the fill yields.
    const BatchFill::Options options = m_fillOptions;
    const BatchFill::Result result = BatchFill::fill(
        m_grid->gridData(), 1, int(rows.size()),
        [&rows](int index, QStringList &cells) { cells = std::move(rows[index]); }, options);
    return result == BatchFill::Result::Completed ? Shown::Refilled : Shown::Superseded;
}

} // namespace corvane::shell
