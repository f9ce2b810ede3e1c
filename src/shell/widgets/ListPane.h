#pragma once

#include "shell/ColumnSettings.h"

#include "sortgrid/BatchFill.h"
#include "ui/widgets/CaptionPanel.h"

#include <QList>
#include <QStringList>

#include <functional>

class QVBoxLayout;

namespace corvane::platform {
class IniFile;
}

namespace corvane::sortgrid {
class TSortGrid;
}

namespace corvane::shell {

// A pane that lists one store in a sortable grid below its caption. The grid is filled again from
// the store only when the store says it changed since the last fill; the fill runs in slices that
// let the window handle its events, and the stored sort is applied on every display.
class ListPane : public ui::CaptionPanel
{
    Q_OBJECT

public:
    enum class Shown {
        Kept,       // the store had not changed: the rows stayed, only the sort ran
        Refilled,   // the rows were filled from the store and sorted
        Superseded, // a newer display started while this one filled; that one finishes the job
    };

    // settingsFile is read for the stored sort at every display and must outlive the pane.
    ListPane(GridId id, const platform::IniFile &settingsFile, QWidget *parent = nullptr);

    sortgrid::TSortGrid *grid() const { return m_grid; }
    GridId gridId() const { return m_id; }

    // The pane's display: refills the grid when the store changed, then applies the stored sort.
    // Errors go to failed(). The pane may be gone when this returns Superseded.
    Shown showList();

    // How the fill slices its work and yields; tests make it yield at every chance.
    void setFillOptions(const sortgrid::BatchFill::Options &options) { m_fillOptions = options; }

Q_SIGNALS:
    void failed(const QString &message);

protected:
    // What one fill reads from the store: the number of data rows and, asked for in increasing
    // index order, each row's cells in store order with column 0 holding the position + 1.
    struct RowSource
    {
        int count = 0;
        std::function<void(int index, QStringList &cells)> read;
    };

    // The store's refill flag (InboxDirty, SentChanged, AddressListDirty). Every change to the
    // store sets it; the fill reads the store only while it stays clear.
    virtual bool &refillFlag() = 0;
    virtual RowSource rowSource() const = 0;
    // A source over rows read beforehand.
    static RowSource rowsOf(QList<QStringList> rows);
    // The pane's layout: the grid fills it; panes may put a tool bar above the grid.
    QVBoxLayout *bodyLayout() const { return m_layout; }

private:
    Shown fill();

    GridId m_id;
    const platform::IniFile &m_settingsFile;
    sortgrid::TSortGrid *m_grid;
    QVBoxLayout *m_layout;
    sortgrid::BatchFill::Options m_fillOptions;
};

} // namespace corvane::shell
