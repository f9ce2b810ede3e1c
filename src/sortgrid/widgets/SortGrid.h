#pragma once

#include "CellFormat.h"
#include "SortGridEvents.h"

#include "core/Notice.h"
#include "sortgrid/GridSorter.h"
#include "sortgrid/SortTypes.h"
#include "sortgrid/StringGridModel.h"

#include <QTableView>

#include <exception>

namespace corvane::sortgrid {

class ScrollBarStyle;
class SortGridDelegate;
class SortGridHeader;

// The list control of the address book, inbox and sent items panes: a string grid of text cells
// that sorts its data rows by a column when a header cell is clicked (left button ascending,
// right button descending), and that code can sort with chosen rules. Built on a table view over
// a StringGridModel; the fixed rows are its header. Cells are addressed (column, row) with the
// fixed rows counted, as in Cells(0, 0) for the first header cell.
class TSortGrid : public QTableView
{
    Q_OBJECT

public:
    explicit TSortGrid(QWidget *parent = nullptr);
    ~TSortGrid() override;

    StringGridModel &gridData() { return *m_data; }
    const StringGridModel &gridData() const { return *m_data; }

    // --- The string grid -------------------------------------------------------------------
    int ColCount() const { return m_data->gridColumnCount(); }
    void setColCount(int count) { m_data->setGridColumnCount(count); }
    int RowCount() const { return m_data->gridRowCount(); }
    void setRowCount(int count) { m_data->setGridRowCount(count); }
    int FixedCols() const { return m_data->FixedCols(); }
    void setFixedCols(int count) { m_data->setFixedCols(count); }
    int FixedRows() const { return m_data->FixedRows(); }
    void setFixedRows(int count);

    QString Cells(int col, int row) const { return m_data->Cells(col, row); }
    void setCells(int col, int row, const QString &text) { m_data->setCells(col, row, text); }
    QStringList Rows(int row) const { return m_data->Rows(row); }
    void setRows(int row, QStringList texts) { m_data->setRows(row, std::move(texts)); }
    QStringList Cols(int col) const { return m_data->Cols(col); }
    void setCols(int col, const QStringList &texts) { m_data->setCols(col, texts); }
    // Cell changes between these are announced to the view once.
    void BeginUpdate() { m_data->BeginUpdate(); }
    void EndUpdate() { m_data->EndUpdate(); }

    // The current cell; -1 when there is none (no data rows).
    int Col() const;
    int Row() const;
    void setCol(int col);
    void setRow(int row);
    // The selected cells as (left column, top row, right column, bottom row) in grid coordinates.
    QRect Selection() const;
    // The rows that hold a selected cell, top to bottom.
    QList<int> SelectedRows() const;

    // The width a column shows at.
    int ColWidths(int col) const;
    void setColWidths(int col, int width);
    // The last column fills what room the others leave in the view, never narrower than the width
    // it was given; that width, not the one it shows, is what designColWidth gives for it, so that
    // a width kept for the next start does not grow with every bigger window.
    void setStretchLastColumn(bool stretch);
    int designColWidth(int col) const;
    int RowHeights(int row) const;
    void setRowHeights(int row, int height);
    int DefaultColWidth() const;
    void setDefaultColWidth(int width);
    int DefaultRowHeight() const;
    void setDefaultRowHeight(int height);

    // Whether the in-place editor is open.
    bool EditorMode() const { return state() == EditingState; }

    TGridOptions Options() const { return m_options; }
    void setOptions(TGridOptions options);
    bool DefaultDrawing() const { return m_defaultDrawing; }
    void setDefaultDrawing(bool on);

    // --- Properties of the sortable grid --------------------------------------------------
    TAlignment AlignmentHorz() const { return m_alignmentHorz; }
    void setAlignmentHorz(TAlignment alignment);
    TVertAlignment AlignmentVert() const { return m_alignmentVert; }
    void setAlignmentVert(TVertAlignment alignment);
    bool ClickSorting() const { return m_clickSorting; }
    void setClickSorting(bool on) { m_clickSorting = on; }
    TCellBevelStyle BevelStyle() const { return m_bevelStyle; }
    void setBevelStyle(TCellBevelStyle style);
    bool ProportionalScrollBars() const { return m_proportionalScrollBars; }
    void setProportionalScrollBars(bool on);
    bool ExtendedKeys() const { return m_extendedKeys; }
    void setExtendedKeys(bool on) { m_extendedKeys = on; }

    bool Sorting() const { return m_sorter.Sorting(); }
    const TSortedList &SortList() const { return m_sorter.SortList(); }
    bool Modified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }

    // --- Events ---------------------------------------------------------------------------
    TFormatDrawCellEvent OnGetCellFormat;
    TClickSortEvent OnClickSort;
    TUpdateGridEvent OnRowInsert;
    TUpdateGridEvent OnRowDelete;
    TUpdateGridEvent OnColumnInsert;
    TUpdateGridEvent OnColumnDelete;
    TNotifyEvent OnColumnWidthsChanged;
    TNotifyEvent OnRowHeightsChanged;
    TSizeChangedEvent OnSizeChanged;
    TBeginSortEvent OnBeginSort;
    TEndSortEvent OnEndSort;
    TCellValidateEvent OnCellValidate;
    // The base grid's events.
    TNotifyEvent OnClick;
    TDrawCellEvent OnDrawCell;

    // --- Operations -----------------------------------------------------------------------
    // Sorts by the column: nothing while the in-place editor is open, with fewer than two data
    // rows or while a batch fill runs; otherwise OnBeginSort, kind detection for skAuto,
    // SortRows and OnEndSort.
    virtual void SortOnColumn(int col, TSortOptions options);
    // The sort itself, with a concrete Style; keeps the current record selected.
    virtual void SortRows(int col, TSortOptions options);
    virtual TSortStyle GuessColumnKind(int col);
    virtual bool SortUndoAvailable();
    virtual void UndoSort();

    virtual void UpdateScrollPages();
    virtual void RememberCurrentCell();
    virtual void ValidateCell();
    virtual void GoToCell(int col, int row);
    virtual void ClearCells();
    virtual void InsertRowAt(int row);
    virtual void InsertColumnAt(int col);
    virtual void RemoveRow(int row);
    virtual void RemoveColumn(int col);
    virtual void RelocateRow(int from, int to);
    virtual void RelocateColumn(int from, int to);
    virtual void ExchangeRows(int a, int b);
    virtual void ExchangeColumns(int a, int b);
    virtual void FitColumn(int col);
    virtual void FitColumns(bool includeFixed, int extraWidth);
    virtual bool FindText(const QString &text, int &col, int &row);
    virtual void ImportDelimited(const QString &fileName, QChar separator);
    virtual void ExportDelimited(const QString &fileName, QChar separator);

    // The default format of a cell painted in the given state.
    void DefaultCellFormat(TFormatOptions &format, TGridDrawState state) const;
    // The state a cell is painted in.
    TGridDrawState cellDrawState(int col, int row) const;
    // What the in-place editor writes into a cell: sets Modified when the text changes.
    void SetEditText(int col, int row, const QString &text);

    // The header's mouse-up: sorts when every condition of a header click holds.
    void headerMouseUp(Qt::MouseButton button, Qt::MouseButtons held, Qt::KeyboardModifiers modifiers,
                       const QPoint &headerPosition, bool sizingOrMoving);

    // Reports an error that reached the grid from user input: to failed when connected, else in a
    // message box.
    void reportError(const std::exception &error);

Q_SIGNALS:
    void failed(const core::Notice &notice);

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void selectionChanged(const QItemSelection &selected, const QItemSelection &deselected) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    struct RememberedCell
    {
        int col = -1;
        int row = -1;
        QString text;
        bool modified = false;
    };

    void Click();
    void focusEntered();
    void focusLeft();
    bool ownsFocusWidget(const QWidget *widget) const;
    void applyOptions();
    void applyAlignment();
    void clickSort(int col, int row, bool rightButton);
    template <typename Action>
    void withoutAlwaysShowEditor(Action action);
    template <typename Action>
    void guarded(Action action);
    template <typename Action>
    void movingRows(Action action);

    StringGridModel *m_data = nullptr;
    GridSorter m_sorter;
    SortGridHeader *m_header = nullptr;
    SortGridDelegate *m_delegate = nullptr;
    ScrollBarStyle *m_scrollStyle = nullptr;

    TGridOptions m_options = defaultGridOptions();
    bool m_defaultDrawing = true;
    int m_lastColDesignWidth = -1; // the stretched last column's own width; -1 until one is set
    TAlignment m_alignmentHorz = taLeftJustify;
    TVertAlignment m_alignmentVert = taTopJustify;
    bool m_clickSorting = true;
    TCellBevelStyle m_bevelStyle = cbNone;
    bool m_proportionalScrollBars = true;
    bool m_extendedKeys = false;
    bool m_modified = false;
    bool m_focused = false;
    int m_movingRows = 0;
    RememberedCell m_remembered;
    QMetaObject::Connection m_focusWatch;
};

} // namespace corvane::sortgrid
