#include "ui/widgets/ListPane.h"

#include "platform/Errors.h"
#include "sortgrid/widgets/SortGrid.h"
#include "ui/widgets/FindField.h"
#include "ui/widgets/ListSelection.h"

#include <QAction>
#include <QPointer>
#include <QScopedValueRollback>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

#include <memory>

namespace corvane::ui {

using sortgrid::GridFill;

ListPane::ListPane(Records records, QWidget *parent)
    : CaptionPanel(QString(), parent),
      m_records(std::move(records)),
      m_grid(new sortgrid::TSortGrid(body())),
      m_layout(new QVBoxLayout(body())),
      m_fill(new GridFill(this))
{
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->addWidget(m_grid, 1);
    // A wider window gives the room to the last column rather than leaving it blank.
    m_grid->setStretchLastColumn(true);
    connect(m_fill, &GridFill::finished, this, &ListPane::fillFinished);
}

ListPane::Shown ListPane::showList(std::function<void()> then)
{
    const QPointer<ListPane> alive(this);
    try {
        if (refillDue()) {
            // A display that starts while another fills keeps what the first one took.
            if (!m_fill->isRunning())
                m_keep = selectedRecord();
            m_then = std::move(then);
            startFill(); // may finish, and run `then`, before it returns
            if (!alive)
                return Shown::Refilled;
            return m_fill->isRunning() ? Shown::Filling : Shown::Refilled;
        }
        if (m_fill->isRunning()) {
            m_then = std::move(then);
            return Shown::Filling;
        }
        // Also when nothing was refilled: the list always shows in its stored order.
        arrange(false);
    } catch (const Error &error) {
        m_then = {};
        if (alive)
            Q_EMIT failed(core::Notice::error(core::Notice::Code::ListNotShown, error.message()));
        return Shown::Kept;
    }
    Q_EMIT listShown();
    if (then)
        then();
    return Shown::Kept;
}

void ListPane::finishFill()
{
    m_fill->finishNow();
}

ListPane::RowSource ListPane::rowsOf(QList<QStringList> rows)
{
    auto held = std::make_shared<QList<QStringList>>(std::move(rows));
    const int count = int(held->size());
    return {count, [held](int index, QStringList &cells) { cells = std::move((*held)[index]); }};
}

void ListPane::startFill()
{
    const quint64 revision = storeRevision();
    const RowSource source = rowSource();
    // Taken as shown before the first step: whatever changes the store while the rows go in raises
    // its revision, and the fill then reads the store anew from the start.
    m_shownRevision = revision;
    m_shownIds = m_records.ids();
    m_subsetShown = false;
    m_grid->setRowCount(source.count + 1); // the header row stays, also with no rows
    m_fill->start(
        m_grid->gridData(), 1, source.count,
        [this, revision, read = source.read](int index, QStringList &cells) {
            // What the source holds may be gone: a deleted message, a reloaded store.
            if (storeRevision() != revision)
                return false;
            read(index, cells);
            return true;
        },
        m_fillOptions);
}

void ListPane::fillFinished(GridFill::Result result)
{
    try {
        switch (result) {
        case GridFill::Result::Superseded:
        case GridFill::Result::GridDestroyed:
            return; // a newer fill finishes the job, or nothing is left to show
        case GridFill::Result::SourceChanged:
            startFill();
            return;
        case GridFill::Result::Failed:
            throw Error(m_fill->errorText());
        case GridFill::Result::Completed:
            break;
        }
        arrange(true);
    } catch (const Error &error) {
        m_then = {};
        Q_EMIT failed(core::Notice::error(core::Notice::Code::ListNotShown, error.message()));
        return;
    }
    const std::function<void()> then = std::exchange(m_then, {});
    Q_EMIT listShown();
    if (then)
        then();
}

void ListPane::arrange(bool refilled)
{
    if (m_sort)
        m_sort(*m_grid);
    if (refilled) {
        // A refill brought every row back: find keeps its rows again.
        applyFind();
        // The rows took their places anew: the record that was selected stays selected.
        if (m_keep)
            selectRecord(*m_keep);
        m_keep.reset();
    }
}

void ListPane::addFindField(QList<int> searchColumns, BodyTexts::Converter toPlainText)
{
    m_searchColumns = std::move(searchColumns);
    m_findField = new FindField(this);
    m_layout->insertWidget(0, m_findField);
    m_bodies = new BodyTexts(
        std::move(toPlainText), [this] { return storeRevision(); }, this);
    const auto findNow = [this] {
        try {
            applyFind();
        } catch (const Error &error) {
            Q_EMIT failed(core::Notice::error(core::Notice::Code::ListNotShown, error.message()));
        }
    };
    connect(m_findField, &QLineEdit::textChanged, this, findNow);
    connect(m_findField, &FindField::focused, this, &ListPane::prepareFind);
    // The bodies came in: find searches them too from now on.
    connect(m_bodies, &BodyTexts::built, this, [this, findNow](quint64 revision) {
        if (revision == m_buildingRevision)
            m_builtIds = std::move(m_buildingIds);
        if (revision == m_shownRevision && !m_finding)
            findNow();
    });
    connect(m_bodies, &BodyTexts::progress, this, [this](int done, int total) {
        Q_EMIT statusText(done < total ? tr("Reading the message texts for Find: %1%").arg(qint64(done) * 100 / total)
                                       : QString());
    });
}

void ListPane::setGridRows(const std::vector<QStringList> &rows)
{
    sortgrid::StringGridModel &cells = m_grid->gridData();
    // The message that was current stays current when it is still listed.
    const std::optional<platform::RecordId> current = selectedRecord();
    cells.BeginUpdate();
    m_grid->setRowCount(int(rows.size()) + 1);
    for (size_t i = 0; i < rows.size(); ++i)
        cells.setRows(int(i) + 1, rows[i]);
    cells.EndUpdate();
    if ((!current || !selectRecord(*current)) && !rows.empty())
        m_grid->setRow(1);
}

void ListPane::indexFields()
{
    // In store order: the search names messages by position.
    std::vector<const QStringList *> byPosition(m_allRows.size(), nullptr);
    for (size_t i = 0; i < m_allRows.size(); ++i) {
        const int position = m_allPositions[i];
        if (position >= 0 && position < int(byPosition.size()))
            byPosition[size_t(position)] = &m_allRows[i];
    }
    SearchIndex fields;
    QList<QStringView> texts;
    for (const QStringList *row : byPosition) {
        texts.clear();
        if (row) {
            for (const int column : std::as_const(m_searchColumns)) {
                if (column < row->size())
                    texts.append((*row)[column]);
            }
        }
        fields.append(texts);
    }
    m_search.setFields(std::move(fields));
    m_indexedRevision = m_shownRevision;
}

void ListPane::takeAllRows()
{
    const sortgrid::StringGridModel &cells = m_grid->gridData();
    m_allRows.clear();
    m_allPositions.clear();
    m_allRows.reserve(size_t(std::max(0, cells.gridRowCount() - 1)));
    m_allPositions.reserve(m_allRows.capacity());
    for (int row = 1; row < cells.gridRowCount(); ++row) {
        m_allRows.push_back(cells.Rows(row));
        m_allPositions.push_back(rowPosition(*m_grid, row, int(m_shownIds.size())).value_or(-1));
    }
}

void ListPane::prepareFind()
{
    const sortgrid::StringGridModel &cells = m_grid->gridData();
    if (m_subsetShown || cells.isFilling())
        return; // the next keystroke takes the rows anew
    if (cells.revision() != m_arrangedGridRevision) {
        takeAllRows();
        m_arrangedGridRevision = cells.revision(); // the grid shows all of them
    }
    if (m_indexedRevision != m_shownRevision)
        indexFields();
}

void ListPane::applyFind()
{
    if (!m_findField || m_grid->gridData().isFilling())
        return;
    const QString query = m_findField->text();
    const bool finding = !queryWords(query).isEmpty();
    if (!finding && !m_subsetShown)
        return;
    const QScopedValueRollback<bool> busy(m_finding, true);
    sortgrid::StringGridModel &cells = m_grid->gridData();
    // The grid changed since find last set its rows (a refill, a sort): take every row again, in
    // the display's order.
    if (cells.revision() != m_arrangedGridRevision || m_allRows.empty()) {
        if (m_subsetShown) {
            setGridRows(m_allRows);
            m_subsetShown = false;
            if (m_sort)
                m_sort(*m_grid);
        }
        takeAllRows();
    }
    if (!finding) {
        setGridRows(m_allRows);
        m_subsetShown = false;
        m_arrangedGridRevision = cells.revision();
        return;
    }
    if (m_indexedRevision != m_shownRevision)
        indexFields();
    // The bodies are read from the store, which must still hold what the grid shows.
    if (m_bodies->builtRevision() != m_shownRevision && !m_bodies->isBuilding(m_shownRevision)
        && storeRevision() == m_shownRevision) {
        BodyTexts::Source source = bodySource();
        source.revision = m_shownRevision;
        if (source.body && source.count == m_search.count()) {
            m_buildingIds = m_shownIds;
            m_buildingRevision = m_shownRevision;
            m_bodies->build(std::move(source));
        }
    }
    setSearchBodies();

    const std::vector<char> &keep = m_search.match(query);
    std::vector<QStringList> rows;
    for (size_t i = 0; i < m_allRows.size(); ++i) {
        const int position = m_allPositions[i];
        if (position >= 0 && position < int(keep.size()) && keep[size_t(position)])
            rows.push_back(m_allRows[i]);
    }
    setGridRows(rows);
    m_subsetShown = true;
    m_arrangedGridRevision = cells.revision();
}

void ListPane::setSearchBodies()
{
    const SearchIndex &built = m_bodies->index();
    if (m_bodies->builtRevision() == m_shownRevision && built.count() == m_search.count()) {
        if (!m_search.bodiesKnown() || m_bodiesCarried)
            m_search.setBodies(built);
        m_bodiesCarried = false;
        return;
    }
    if (m_search.bodiesKnown() || m_bodies->builtRevision() == 0 || m_builtIds.size() != size_t(built.count()))
        return;
    // Most often (a read mark) the same messages are in the same places: the built texts serve
    // as they are.
    if (m_builtIds == m_shownIds) {
        m_search.setBodies(built);
        m_bodiesCarried = m_search.bodiesKnown();
        return;
    }
    QHash<platform::RecordId, int> builtPositions;
    builtPositions.reserve(qsizetype(m_builtIds.size()));
    for (size_t i = 0; i < m_builtIds.size(); ++i)
        builtPositions.insert(m_builtIds[i], int(i));
    SearchIndex carried;
    carried.reserve(built.size());
    for (const platform::RecordId id : m_shownIds) {
        const auto position = builtPositions.constFind(id);
        carried.appendFolded(position != builtPositions.cend() ? built.textOf(*position) : QByteArrayView());
    }
    m_search.setBodies(std::move(carried));
    m_bodiesCarried = m_search.bodiesKnown();
}

std::optional<platform::RecordId> ListPane::selectedRecord() const
{
    if (m_grid->gridData().isFilling())
        return std::nullopt;
    const std::optional<int> position = selectedPosition(*m_grid, int(m_shownIds.size()));
    if (!position)
        return std::nullopt;
    return m_shownIds[size_t(*position)];
}

std::optional<int> ListPane::selectedStorePosition() const
{
    const std::optional<platform::RecordId> record = selectedRecord();
    return record ? positionOfRecord(*record) : std::nullopt;
}

bool ListPane::selectRecord(platform::RecordId id)
{
    const auto shown = std::find(m_shownIds.begin(), m_shownIds.end(), id);
    if (shown == m_shownIds.end())
        return false;
    const std::optional<int> row = rowOfPosition(*m_grid, int(shown - m_shownIds.begin()));
    if (!row)
        return false;
    m_grid->setRow(*row);
    return true;
}

std::vector<platform::RecordId> ListPane::selectedRecords() const
{
    std::vector<platform::RecordId> records;
    if (m_grid->gridData().isFilling())
        return records;
    for (const int row : m_grid->SelectedRows()) {
        if (const std::optional<int> position = rowPosition(*m_grid, row, int(m_shownIds.size())))
            records.push_back(m_shownIds[size_t(*position)]);
    }
    // The current row counts even when the selection was cleared around it.
    if (const std::optional<platform::RecordId> current = selectedRecord();
        current && std::find(records.begin(), records.end(), *current) == records.end())
        records.push_back(*current);
    return records;
}

void ListPane::deleteSelected(QAction *command, const std::function<bool(QWidget *, const QString &)> &confirm,
                              const QString &question, const QString &gone,
                              const std::function<void(int position)> &remove, AfterDelete after,
                              std::function<void()> shown)
{
    sortgrid::TSortGrid &list = *m_grid;
    if (list.Row() < list.FixedRows() || !command->isEnabled())
        return;
    // The items the user pressed Delete on: while the question is open the list may fill again.
    const std::vector<platform::RecordId> records = selectedRecords();
    if (records.empty())
        return;
    const QPointer<ListPane> alive(this);
    if (confirm
        && !confirm(window(), records.size() == 1
                                  ? question
                                  : tr("Are you sure you want to delete these %1 messages?").arg(records.size())))
        return;
    if (!alive)
        return;
    std::vector<int> positions;
    for (const platform::RecordId record : records) {
        if (const std::optional<int> position = positionOfRecord(record))
            positions.push_back(*position);
    }
    if (positions.empty()) {
        Q_EMIT failed(core::Notice::error(core::Notice::Code::RecordGone, gone));
        return;
    }
    // Where the items' rows are now: a refill meanwhile selected one of them again wherever it went.
    const QList<int> rows = list.SelectedRows();
    const int row = rows.isEmpty() ? list.Row() : rows.front();
    const bool wasLastRow = (rows.isEmpty() ? list.Row() : rows.back()) == list.RowCount() - 1;
    command->setEnabled(false);
    try {
        // The last first, so that the positions of the others stay as they are.
        std::sort(positions.begin(), positions.end(), std::greater<>());
        for (const int position : positions)
            remove(position);
    } catch (const Error &error) {
        // The item is gone from the store in memory even when the save failed.
        Q_EMIT failed(core::Notice::error(core::Notice::Code::DeleteFailed, error.message()));
    }
    command->setEnabled(true);
    showList([this, row, wasLastRow, after, shown = std::move(shown)] {
        selectDataRow(*m_grid, after == AfterDelete::SameRowOrPrevious && wasLastRow ? row - 1 : row);
        if (shown)
            shown();
    });
}

} // namespace corvane::ui
