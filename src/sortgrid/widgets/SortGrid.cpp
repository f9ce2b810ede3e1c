#include "SortGrid.h"

#include "ScrollBarStyle.h"
#include "SortGridDelegate.h"
#include "SortGridHeader.h"

#include "sortgrid/CellLayout.h"
#include "sortgrid/DelimitedText.h"

#include "platform/Errors.h"

#include <QApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMetaMethod>
#include <QScopeGuard>
#include <QScrollBar>

#include <algorithm>

namespace corvane::sortgrid {

namespace {

// Shows the hourglass for a scope and puts the previous cursor back, also on failure.
class WaitCursor
{
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

} // namespace

TSortGrid::TSortGrid(QWidget *parent)
    : QTableView(parent), m_data(new StringGridModel(this)), m_sorter(*m_data)
{
    m_header = new SortGridHeader(this);
    setHorizontalHeader(m_header);
    m_delegate = new SortGridDelegate(this);
    setItemDelegate(m_delegate);
    setModel(m_data);

    // Uniform rows keep a view of a hundred thousand rows as quick as one of ten.
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setDefaultSectionSize(64);
    horizontalHeader()->setMinimumSectionSize(0);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    m_scrollStyle = new ScrollBarStyle(this);
    verticalScrollBar()->setStyle(m_scrollStyle);
    horizontalScrollBar()->setStyle(m_scrollStyle);

    // The string grid's defaults: 5 x 5 cells, one fixed row and one fixed column.
    m_data->setGridColumnCount(5);
    m_data->setGridRowCount(5);
    m_data->setFixedCols(1);
    m_data->setFixedRows(1);

    // Handlers run inside Qt's signal delivery, which an exception must not cross: their errors
    // are reported like those of user input.
    connect(m_data, &StringGridModel::sizeChanged, this, [this](int oldCols, int oldRows) {
        guarded([&] {
            if (OnSizeChanged)
                OnSizeChanged(this, oldCols, oldRows);
        });
        UpdateScrollPages();
    });
    // The header's sort arrow stands only as long as the rows are in that order.
    auto rowsChanged = [this] {
        if (!m_sorter.Sorting())
            m_header->setSortIndicatorShown(false);
    };
    connect(m_data, &QAbstractItemModel::dataChanged, this, rowsChanged);
    connect(m_data, &QAbstractItemModel::rowsInserted, this, rowsChanged);
    connect(m_data, &QAbstractItemModel::rowsRemoved, this, rowsChanged);
    connect(m_data, &QAbstractItemModel::modelReset, this, rowsChanged);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this] {
        guarded([this] {
            if (OnColumnWidthsChanged)
                OnColumnWidthsChanged(this);
        });
        UpdateScrollPages();
    });
    connect(verticalHeader(), &QHeaderView::sectionResized, this, [this] {
        guarded([this] {
            if (OnRowHeightsChanged)
                OnRowHeightsChanged(this);
        });
        UpdateScrollPages();
    });
    m_focusWatch = connect(qApp, &QApplication::focusChanged, this, [this](QWidget *old, QWidget *now) {
        const bool wasInside = ownsFocusWidget(old);
        const bool isInside = ownsFocusWidget(now);
        if (!wasInside && isInside)
            focusEntered();
        else if (wasInside && !isInside)
            focusLeft();
    });

    applyOptions();
    applyAlignment();
    RememberCurrentCell();
}

TSortGrid::~TSortGrid()
{
    // The base destructor gives the focus away; the grid is no longer there to validate.
    disconnect(m_focusWatch);
}

// --- The string grid -----------------------------------------------------------------------

void TSortGrid::setFixedRows(int count)
{
    m_data->setFixedRows(count);
    horizontalHeader()->setVisible(m_data->FixedRows() > 0);
}

int TSortGrid::Col() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.column() : -1;
}

int TSortGrid::Row() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? m_data->gridRow(current) : -1;
}

void TSortGrid::setCol(int col)
{
    GoToCell(col, Row() < 0 ? FixedRows() : Row());
}

void TSortGrid::setRow(int row)
{
    GoToCell(Col() < 0 ? FixedCols() : Col(), row);
}

QRect TSortGrid::Selection() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return QRect(QPoint(Col(), Row()), QPoint(Col(), Row()));
    int left = ColCount(), top = RowCount(), right = -1, bottom = -1;
    for (const QModelIndex &index : selected) {
        left = std::min(left, index.column());
        right = std::max(right, index.column());
        top = std::min(top, m_data->gridRow(index));
        bottom = std::max(bottom, m_data->gridRow(index));
    }
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

QList<int> TSortGrid::SelectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : selectionModel()->selectedIndexes())
        rows.append(m_data->gridRow(index));
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

int TSortGrid::ColWidths(int col) const
{
    return horizontalHeader()->sectionSize(col);
}

void TSortGrid::setColWidths(int col, int width)
{
    if (col < 0 || col >= ColCount())
        return;
    if (col == ColCount() - 1)
        m_lastColDesignWidth = std::max(width, 0);
    horizontalHeader()->resizeSection(col, std::max(width, 0));
}

void TSortGrid::setStretchLastColumn(bool stretch)
{
    horizontalHeader()->setStretchLastSection(stretch);
}

int TSortGrid::designColWidth(int col) const
{
    if (horizontalHeader()->stretchLastSection() && col == ColCount() - 1 && m_lastColDesignWidth >= 0)
        return m_lastColDesignWidth;
    return ColWidths(col);
}

int TSortGrid::RowHeights(int row) const
{
    if (row < FixedRows())
        return horizontalHeader()->height() / std::max(FixedRows(), 1);
    return verticalHeader()->sectionSize(row - FixedRows());
}

void TSortGrid::setRowHeights(int row, int height)
{
    if (row >= FixedRows() && row < RowCount())
        verticalHeader()->resizeSection(row - FixedRows(), std::max(height, 0));
}

int TSortGrid::DefaultColWidth() const
{
    return horizontalHeader()->defaultSectionSize();
}

void TSortGrid::setDefaultColWidth(int width)
{
    horizontalHeader()->setDefaultSectionSize(width);
}

int TSortGrid::DefaultRowHeight() const
{
    return verticalHeader()->defaultSectionSize();
}

void TSortGrid::setDefaultRowHeight(int height)
{
    verticalHeader()->setDefaultSectionSize(height);
}

void TSortGrid::setOptions(TGridOptions options)
{
    m_options = options;
    applyOptions();
}

void TSortGrid::applyOptions()
{
    setShowGrid(m_options & (goVertLine | goHorzLine));
    setSelectionBehavior(m_options & goRowSelect ? SelectRows : SelectItems);
    // Whole rows picked as a range may be picked one by one too (Ctrl), as in any list.
    setSelectionMode(!(m_options & goRangeSelect) ? SingleSelection
                         : m_options & goRowSelect ? ExtendedSelection
                                                   : ContiguousSelection);
    const bool editing = (m_options & goEditing) && !(m_options & goRowSelect);
    m_data->setEditable(editing);
    EditTriggers triggers = NoEditTriggers;
    if (editing) {
        triggers = DoubleClicked | EditKeyPressed | AnyKeyPressed;
        if (m_options & goAlwaysShowEditor)
            triggers |= CurrentChanged;
    }
    setEditTriggers(triggers);
    horizontalHeader()->setSectionResizeMode(m_options & goColSizing ? QHeaderView::Interactive
                                                                     : QHeaderView::Fixed);
    setTabKeyNavigation(m_options & goTabs);
    verticalScrollBar()->setTracking(m_options & goThumbTracking);
    horizontalScrollBar()->setTracking(m_options & goThumbTracking);
    viewport()->update();
}

void TSortGrid::setDefaultDrawing(bool on)
{
    m_defaultDrawing = on;
    viewport()->update();
}

// --- Properties ----------------------------------------------------------------------------

void TSortGrid::setAlignmentHorz(TAlignment alignment)
{
    m_alignmentHorz = alignment;
    applyAlignment();
}

void TSortGrid::setAlignmentVert(TVertAlignment alignment)
{
    m_alignmentVert = alignment;
    applyAlignment();
}

void TSortGrid::applyAlignment()
{
    m_data->setHeaderAlignment(Qt::Alignment(qtAlignment(m_alignmentHorz, m_alignmentVert)));
    viewport()->update();
}

void TSortGrid::setBevelStyle(TCellBevelStyle style)
{
    m_bevelStyle = style;
    viewport()->update();
}

void TSortGrid::setProportionalScrollBars(bool on)
{
    m_proportionalScrollBars = on;
    UpdateScrollPages();
}

// --- Sorting -------------------------------------------------------------------------------

void TSortGrid::SortOnColumn(int col, TSortOptions options)
{
    if (EditorMode())
        return;
    if (FixedRows() + 1 >= RowCount())
        return;
    // A sort cannot run inside another, nor while a fill is putting rows in by position.
    if (m_sorter.Sorting() || m_data->isFilling() || col < 0 || col >= ColCount())
        return;
    if (OnBeginSort)
        OnBeginSort(this, col, options);
    if (options.Style == skAuto)
        options.Style = GuessColumnKind(col);
    SortRows(col, options);
    if (OnEndSort)
        OnEndSort(this, col);
}

void TSortGrid::SortRows(int col, TSortOptions options)
{
    movingRows([&] {
        const int current = m_sorter.SortRows(col, options, Row());
        if (current >= 0)
            GoToCell(Col(), current);
    });
    m_header->setSortIndicator(col, options.Direction == soDescending ? Qt::DescendingOrder : Qt::AscendingOrder);
    m_header->setSortIndicatorShown(true);
}

TSortStyle TSortGrid::GuessColumnKind(int col)
{
    return m_sorter.GuessColumnKind(col);
}

bool TSortGrid::SortUndoAvailable()
{
    return m_sorter.SortUndoAvailable();
}

void TSortGrid::UndoSort()
{
    movingRows([&] {
        const int target = m_sorter.UndoSort(Row());
        if (target >= 0)
            GoToCell(Col(), target);
    });
}

void TSortGrid::headerMouseUp(Qt::MouseButton button, Qt::MouseButtons held, Qt::KeyboardModifiers modifiers,
                              const QPoint &headerPosition, bool sizingOrMoving)
{
    if (!hasFocus() || !m_clickSorting || sizingOrMoving || FixedRows() < 1)
        return;
    if (held != Qt::NoButton || (modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)))
        return;
    const QHeaderView *header = horizontalHeader();
    if (!header->rect().contains(headerPosition))
        return;
    const int col = header->logicalIndexAt(headerPosition);
    if (col < 0)
        return;
    const int row = std::min(headerPosition.y() * FixedRows() / std::max(header->height(), 1), FixedRows() - 1);
    clickSort(col, row, button == Qt::RightButton);
}

void TSortGrid::clickSort(int col, int row, bool rightButton)
{
    TSortOptions options{skAuto, rightButton ? soDescending : soAscending, true};
    if (OnClickSort)
        OnClickSort(this, col, row, options);
    WaitCursor wait;
    SortOnColumn(col, options);
}

// --- Cells and current cell ----------------------------------------------------------------

void TSortGrid::GoToCell(int col, int row)
{
    col = std::max(col, FixedCols());
    row = std::max(row, FixedRows());
    if (col >= ColCount() || row >= RowCount())
        return;
    const QModelIndex index = m_data->cellIndex(col, row);
    if (!(m_data->flags(index) & Qt::ItemIsSelectable))
        return;
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect
                                                 | (m_options & goRowSelect ? QItemSelectionModel::Rows
                                                                            : QItemSelectionModel::NoUpdate));
    scrollTo(index);
}

void TSortGrid::ClearCells()
{
    m_data->clearCells();
}

bool TSortGrid::FindText(const QString &text, int &col, int &row)
{
    return m_data->findText(text, col, row);
}

void TSortGrid::ImportDelimited(const QString &fileName, QChar separator)
{
    sortgrid::ImportDelimited(*m_data, fileName, separator);
}

void TSortGrid::ExportDelimited(const QString &fileName, QChar separator)
{
    sortgrid::ExportDelimited(*m_data, fileName, separator);
}

// --- Rows and columns ----------------------------------------------------------------------

template <typename Action>
void TSortGrid::withoutAlwaysShowEditor(Action action)
{
    const bool always = m_options & goAlwaysShowEditor;
    if (always)
        setOptions(m_options & ~TGridOptions(goAlwaysShowEditor));
    const auto restore = qScopeGuard([&] {
        if (always)
            setOptions(m_options | goAlwaysShowEditor);
    });
    action();
}

void TSortGrid::InsertRowAt(int row)
{
    movingRows([&] {
        setRowCount(RowCount() + 1);
        RelocateRow(RowCount() - 1, row);
        m_data->setRows(row, {});
        setRow(row);
    });
    if (OnRowInsert)
        OnRowInsert(this, row);
}

void TSortGrid::InsertColumnAt(int col)
{
    movingRows([&] {
        setColCount(ColCount() + 1);
        RelocateColumn(ColCount() - 1, col);
        for (int row = 0; row < RowCount(); ++row)
            m_data->setCells(col, row, QString());
        setCol(col);
    });
    if (OnColumnInsert)
        OnColumnInsert(this, col);
}

void TSortGrid::RemoveRow(int row)
{
    movingRows([&] {
        m_data->setRows(row, {});
        withoutAlwaysShowEditor([&] { m_data->DeleteRow(row); });
    });
    if (OnRowDelete)
        OnRowDelete(this, row);
}

void TSortGrid::RemoveColumn(int col)
{
    movingRows([&] {
        for (int row = 0; row < RowCount(); ++row)
            m_data->setCells(col, row, QString());
        withoutAlwaysShowEditor([&] { m_data->DeleteColumn(col); });
    });
    if (OnColumnDelete)
        OnColumnDelete(this, col);
}

void TSortGrid::RelocateRow(int from, int to)
{
    movingRows([&] { withoutAlwaysShowEditor([&] { m_data->MoveRow(from, to); }); });
}

void TSortGrid::RelocateColumn(int from, int to)
{
    movingRows([&] { withoutAlwaysShowEditor([&] {
        m_data->MoveColumn(from, to);
        // The widths go with their columns.
        QList<int> widths;
        for (int c = 0; c < ColCount(); ++c)
            widths.append(ColWidths(c));
        widths.move(from, to);
        for (int c = std::min(from, to); c <= std::max(from, to); ++c)
            setColWidths(c, widths.at(c));
    }); });
}

void TSortGrid::ExchangeRows(int a, int b)
{
    if (a < b) {
        RelocateRow(b, a);
        RelocateRow(a + 1, b);
    } else if (b < a) {
        RelocateRow(a, b);
        RelocateRow(b + 1, a);
    }
}

void TSortGrid::ExchangeColumns(int a, int b)
{
    if (a < b) {
        RelocateColumn(b, a);
        RelocateColumn(a + 1, b);
    } else if (b < a) {
        RelocateColumn(a, b);
        RelocateColumn(b + 1, a);
    }
}

// --- Formats and widths --------------------------------------------------------------------

void TSortGrid::DefaultCellFormat(TFormatOptions &format, TGridDrawState state) const
{
    const QPalette::ColorGroup group = isActiveWindow() ? QPalette::Active : QPalette::Inactive;
    const QPalette &colors = palette();
    // As a string grid paints: the current cell of a focused grid is not highlighted unless
    // whole rows are selected or focused cells are drawn selected.
    const bool highlight = (state & gdSelected)
                           && (!(state & gdFocused) || (m_options & (goDrawFocusSelected | goRowSelect)));
    if (state & gdFixed) {
        format.Brush = colors.brush(group, QPalette::Button);
        format.FontColor = colors.color(group, QPalette::ButtonText);
    } else if (highlight) {
        format.Brush = colors.brush(group, QPalette::Highlight);
        format.FontColor = colors.color(group, QPalette::HighlightedText);
    } else {
        format.Brush = colors.brush(group, QPalette::Base);
        format.FontColor = colors.color(group, QPalette::Text);
    }
    format.Font = font();
    format.AlignmentHorz = m_alignmentHorz;
    format.AlignmentVert = m_alignmentVert;
    format.Bevel.Style = m_bevelStyle;
    switch (m_bevelStyle) {
    case cbRaised:
        format.Bevel.TopLeftColor = colors.color(group, QPalette::Light);
        format.Bevel.BottomRightColor = colors.color(group, QPalette::Dark);
        break;
    case cbLowered:
        format.Bevel.TopLeftColor = colors.color(group, QPalette::Dark);
        format.Bevel.BottomRightColor = colors.color(group, QPalette::Light);
        break;
    case cbNone:
        format.Bevel.TopLeftColor = colors.color(group, QPalette::Window);
        format.Bevel.BottomRightColor = colors.color(group, QPalette::Window);
        break;
    }
    format.SuppressText = false;
}

TGridDrawState TSortGrid::cellDrawState(int col, int row) const
{
    TGridDrawState state;
    if (row < FixedRows() && col < FixedCols())
        state |= gdFixed;
    if (hasFocus() && col == Col() && row == Row())
        state |= gdFocused;
    const QModelIndex index = m_data->cellIndex(col, row);
    if (index.isValid() && selectionModel()->isSelected(index))
        state |= gdSelected;
    return state;
}

void TSortGrid::FitColumn(int col)
{
    int widest = 0;
    for (int row = 0; row < RowCount(); ++row) {
        TFormatOptions format;
        const TGridDrawState state = cellDrawState(col, row);
        DefaultCellFormat(format, state);
        if (OnGetCellFormat)
            OnGetCellFormat(this, col, row, state, format);
        widest = std::max(widest, QFontMetrics(format.Font).horizontalAdvance(Cells(col, row)));
    }
    setColWidths(col, widest + fontMetrics().horizontalAdvance(QStringLiteral("x")));
}

void TSortGrid::FitColumns(bool includeFixed, int extraWidth)
{
    auto fit = [&](int col) {
        FitColumn(col);
        if (extraWidth != 0)
            setColWidths(col, ColWidths(col) + extraWidth);
    };
    if (includeFixed) {
        for (int col = 0; col < FixedCols(); ++col)
            fit(col);
    }
    for (int col = FixedCols(); col < ColCount(); ++col)
        fit(col);
}

void TSortGrid::UpdateScrollPages()
{
    // Qt's scroll bars size their thumbs from the visible share themselves; without proportional
    // thumbs every thumb keeps the style's smallest size.
    m_scrollStyle->setProportional(m_proportionalScrollBars);
    verticalScrollBar()->update();
    horizontalScrollBar()->update();
}

void TSortGrid::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    UpdateScrollPages();
}

// --- Editing and validation ----------------------------------------------------------------

void TSortGrid::SetEditText(int col, int row, const QString &text)
{
    if (text != Cells(col, row))
        m_modified = true;
    setCells(col, row, text);
}

void TSortGrid::RememberCurrentCell()
{
    m_remembered = RememberedCell{Col(), Row(), Cells(Col(), Row()), m_modified};
}

void TSortGrid::ValidateCell()
{
    const RememberedCell cell = m_remembered;
    const bool inside = cell.col >= 0 && cell.row >= 0 && cell.col < ColCount() && cell.row < RowCount();
    if (inside && Cells(cell.col, cell.row) != cell.text) {
        QString value = Cells(cell.col, cell.row);
        bool valid = true;
        if (OnCellValidate)
            OnCellValidate(this, cell.col, cell.row, value, valid);
        if (valid) {
            if (value != Cells(cell.col, cell.row))
                setCells(cell.col, cell.row, value);
        } else {
            // An unchanged value puts back the text the cell had when it was entered.
            setCells(cell.col, cell.row, value != Cells(cell.col, cell.row) ? value : cell.text);
            m_modified = cell.modified;
        }
    }
    RememberCurrentCell();
}

void TSortGrid::Click()
{
    const bool validate = m_focused && m_movingRows == 0;
    // Not a scope guard: validating runs the cell's handler, which may throw in turn.
    try {
        if (OnClick)
            OnClick(this);
    } catch (...) {
        if (validate)
            ValidateCell();
        throw;
    }
    if (validate)
        ValidateCell();
}

template <typename Action>
void TSortGrid::movingRows(Action action)
{
    // A pending edit is validated where it was made; while cells change places, the remembered
    // cell would be compared with another record's text, so no validation runs; afterwards the
    // cell now current is remembered.
    if (m_movingRows == 0 && m_focused)
        ValidateCell();
    ++m_movingRows;
    const auto moved = qScopeGuard([this] {
        if (--m_movingRows == 0)
            RememberCurrentCell();
    });
    action();
}

void TSortGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    guarded([this] { Click(); });
}

void TSortGrid::selectionChanged(const QItemSelection &selected, const QItemSelection &deselected)
{
    QTableView::selectionChanged(selected, deselected);
    // A row selected while no cell is current (a screen reader selects through the table's
    // accessibility interface, which leaves the current cell alone) becomes the current row, so
    // the commands on the current row see what the user chose.
    if (!currentIndex().isValid() && !selected.isEmpty())
        selectionModel()->setCurrentIndex(selected.indexes().first(), QItemSelectionModel::NoUpdate);
}

bool TSortGrid::ownsFocusWidget(const QWidget *widget) const
{
    return widget && (widget == this || isAncestorOf(widget));
}

void TSortGrid::focusEntered()
{
    m_focused = true;
    RememberCurrentCell();
}

void TSortGrid::focusLeft()
{
    // The cell just left is validated, as when the current cell changes.
    guarded([this] { Click(); });
    m_focused = false;
}

// --- Keys ----------------------------------------------------------------------------------

void TSortGrid::keyPressEvent(QKeyEvent *event)
{
    QTableView::keyPressEvent(event);
    if (!m_extendedKeys || EditorMode())
        return;
    const Qt::KeyboardModifiers modifiers =
        event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const bool ctrl = modifiers == Qt::ControlModifier;
    const bool shiftCtrl = modifiers == (Qt::ShiftModifier | Qt::ControlModifier);
    guarded([&] {
        if (event->key() == Qt::Key_Insert && ctrl) {
            InsertRowAt(std::max(Row(), FixedRows()));
        } else if (event->key() == Qt::Key_Delete && ctrl) {
            if (FixedRows() + 1 < RowCount() && Row() >= 0)
                RemoveRow(Row());
        } else if (event->key() == Qt::Key_Insert && shiftCtrl) {
            InsertColumnAt(std::max(Col(), FixedCols()));
        } else if (event->key() == Qt::Key_Delete && shiftCtrl) {
            if (FixedCols() + 1 < ColCount() && Col() >= 0)
                RemoveColumn(Col());
        } else {
            return;
        }
        event->accept();
    });
}

// --- Errors --------------------------------------------------------------------------------

template <typename Action>
void TSortGrid::guarded(Action action)
{
    try {
        action();
    } catch (const std::exception &error) {
        reportError(error);
    }
}

void TSortGrid::reportError(const std::exception &error)
{
    const auto *own = dynamic_cast<const Error *>(&error);
    const QString message = own ? own->message() : QString::fromLocal8Bit(error.what());
    if (isSignalConnected(QMetaMethod::fromSignal(&TSortGrid::failed)))
        Q_EMIT failed(core::Notice::error(core::Notice::Code::GridActionFailed, message));
    else {
        // Plain text: the message may name a file or quote a cell.
        QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(), message, QMessageBox::Ok, this);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }
}

} // namespace corvane::sortgrid
