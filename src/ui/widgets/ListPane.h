#pragma once

#include "core/Notice.h"
#include "platform/RecordIds.h"
#include "sortgrid/GridFill.h"
#include "ui/BodyTexts.h"
#include "ui/TextSearch.h"
#include "ui/widgets/CaptionPanel.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class QAction;
class QVBoxLayout;

namespace corvane::sortgrid {
class TSortGrid;
}

namespace corvane::ui {

class FindField;

// A pane that lists one store in a sortable grid below its caption. The grid is filled again from
// the store only when the store's revision differs from the one the grid shows; the fill runs in
// slices, steps of their own between which the window handles its events, and what follows it
// (the display's sort, the window's stored sort, find, the selection) runs when it has finished. Each subsystem's list pane derives from it; the window sets up the grid.
// A message list has a find field above its grid that keeps only the rows holding every word
// typed; column 0 ("Msg No.") still names each row's message and the display's sort still holds.
// The selection follows its record by identity: after a refill, a sort or a find the row of the
// record that was selected is selected again, wherever it went.
class ListPane : public CaptionPanel
{
    Q_OBJECT

public:
    enum class Shown {
        Kept,     // the store had not changed: the rows stayed, only the sort ran
        Refilled, // the rows were filled from the store and sorted at once
        Filling,  // the fill goes on in steps; the list shows when it has finished
    };

    // How the pane reaches the records of its store: the store's revision (every change to the
    // store raises it), every record's identity in store order, and where a record is now.
    struct Records
    {
        std::function<quint64()> revision;
        std::function<std::vector<platform::RecordId>()> ids;
        std::function<std::optional<int>(platform::RecordId)> positionOf;
    };
    // The records of a store that offers revision(), recordIds() and positionOf(id); the store
    // must outlive the pane.
    template <typename Store>
    static Records recordsOf(const Store &store)
    {
        return {[&store] { return store.revision(); }, [&store] { return store.recordIds(); },
                [&store](platform::RecordId id) { return store.positionOf(id); }};
    }

    explicit ListPane(Records records, QWidget *parent = nullptr);

    sortgrid::TSortGrid *grid() const { return m_grid; }

    // What every display runs on the grid after any refill; it may throw an Error.
    void setDisplaySort(std::function<void(sortgrid::TSortGrid &grid)> sort) { m_sort = std::move(sort); }

    // The pane's display: refills the grid when the store changed, then runs the display's sort.
    // `then` runs once the list shows: before this returns (Kept, Refilled), or when the fill has
    // finished (Filling). A display asked for while a fill runs takes it over, and its `then`
    // replaces the earlier one's. Errors go to failed() and drop `then`. The pane may be gone
    // when this returns (a `then` may close it).
    Shown showList(std::function<void()> then = {});
    // Completes a fill under way at once, for a caller that needs every row now.
    void finishFill();
    // How the fill slices its work; tests make the slices short.
    void setFillOptions(const sortgrid::GridFill::Options &options) { m_fillOptions = options; }
    // Emitted whenever a display has finished, with the list complete and sorted.
    Q_SIGNAL void listShown();

    // Whether the next display fills the grid again: the store changed since the grid was filled
    // (or the grid was never filled).
    bool refillDue() const { return storeRevision() != m_shownRevision; }

    // The find field, when the pane has one.
    FindField *findField() const { return m_findField; }

    // The identity of the record the selected row shows; nothing when no data row is selected or
    // the grid is being filled.
    std::optional<platform::RecordId> selectedRecord() const;
    // Where the record the selected row shows is in the store now, which may have changed since
    // the grid was filled; nothing when no record is selected or it is gone.
    std::optional<int> selectedStorePosition() const;
    // The identities of the records of every selected row (the current row's among them).
    std::vector<platform::RecordId> selectedRecords() const;
    // Selects the row that shows the record; false when no row does.
    bool selectRecord(platform::RecordId id);
    // Where the record with that identity is in the store now; nothing when it is gone.
    std::optional<int> positionOfRecord(platform::RecordId id) const { return m_records.positionOf(id); }

Q_SIGNALS:
    void failed(const core::Notice &notice);
    // What the pane is doing, for the status bar; empty when it is done.
    void statusText(const QString &text);

protected:
    // What one fill reads from the store: the number of data rows and, asked for in increasing
    // index order, each row's cells in store order with column 0 holding the position + 1.
    struct RowSource
    {
        int count = 0;
        std::function<void(int index, QStringList &cells)> read;
    };

    // The fill reads the store only while its revision stays the same.
    quint64 storeRevision() const { return m_records.revision(); }
    virtual RowSource rowSource() const = 0;
    // A source over rows read beforehand.
    static RowSource rowsOf(QList<QStringList> rows);
    // The pane's layout: the grid fills it; panes may put a tool bar above the grid.
    QVBoxLayout *bodyLayout() const { return m_layout; }

    // Puts the find field above the grid. It searches the grid's columns given (the rows as filled,
    // column 0 holding the position + 1) and the messages' bodies, whose plain texts the converter
    // gives from the bodies that bodySource() reads.
    void addFindField(QList<int> searchColumns, BodyTexts::Converter toPlainText);
    // The stored bodies (rich text) of the messages, in store order, at the current revision; read
    // on find's worker, so a snapshot that touches nothing the UI thread owns (BodyTexts::Source).
    virtual BodyTexts::Source bodySource() const { return {}; }

    // Which row a delete leaves selected: the same row index, or the one before when the last row
    // went.
    enum class AfterDelete { SameRow, SameRowOrPrevious };
    // A list's delete command: takes the identities of the selected rows' items, asks the question
    // (when there is a confirmation; for several items one question naming how many), then removes
    // those items wherever they are in the store by then, since the list may have been filled again
    // meanwhile; when all are gone, says `gone` through failed() and removes nothing. Then it shows the list again, selects a row and runs `shown`
    // once the list shows (not when a later display took the fill over). The command is disabled
    // while the removal runs; a removal that throws an Error goes to failed().
    void deleteSelected(QAction *command, const std::function<bool(QWidget *, const QString &)> &confirm,
                        const QString &question, const QString &gone,
                        const std::function<void(int position)> &remove, AfterDelete after,
                        std::function<void()> shown);

private:
    // Starts filling the grid from the store as it is now; may throw.
    void startFill();
    void fillFinished(sortgrid::GridFill::Result result);
    // The display's steps after the rows are in; may throw.
    void arrange(bool refilled);
    // Shows the rows that hold every word of the find field, in the display's order; may throw.
    void applyFind();
    // Takes every row in the grid's order and indexes their fields when the grid changed since:
    // done when the find field takes the focus, so the first keystroke finds at once.
    void prepareFind();
    void takeAllRows();
    void indexFields();
    // Gives find the bodies of the revision shown when they are built; until then the bodies of the
    // last build, each following its message by record identity (a new message has none yet).
    void setSearchBodies();
    void setGridRows(const std::vector<QStringList> &rows);

    Records m_records;
    std::function<void(sortgrid::TSortGrid &grid)> m_sort;
    sortgrid::TSortGrid *m_grid;
    QVBoxLayout *m_layout;
    sortgrid::GridFill *m_fill;
    sortgrid::GridFill::Options m_fillOptions;
    std::function<void()> m_then;               // what the display under way runs when it shows
    quint64 m_shownRevision = 0; // no store revision is 0
    std::vector<platform::RecordId> m_shownIds; // by position, of the records the fill shows
    std::optional<platform::RecordId> m_keep;    // selected when the display began

    // Find.
    FindField *m_findField = nullptr;
    QList<int> m_searchColumns;
    BodyTexts *m_bodies = nullptr;
    std::vector<platform::RecordId> m_buildingIds; // by position, of the messages the build reads
    quint64 m_buildingRevision = 0;
    std::vector<platform::RecordId> m_builtIds; // by position, of the messages m_bodies holds
    bool m_bodiesCarried = false;               // m_search holds bodies of an earlier revision
    MessageSearch m_search;
    quint64 m_indexedRevision = 0;      // the fill whose rows m_search holds
    std::vector<QStringList> m_allRows; // every row of the fill, in the display's order
    std::vector<int> m_allPositions;    // the position of each of those rows' message, -1 for none
    bool m_subsetShown = false;         // the grid shows only the rows find kept
    quint64 m_arrangedGridRevision = 0; // the grid's revision right after find set its rows
    bool m_finding = false;
};

} // namespace corvane::ui
