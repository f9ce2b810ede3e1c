#include "SortGridDelegate.h"

#include "SortGrid.h"

#include "sortgrid/CellLayout.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace corvane::sortgrid {

namespace {

void drawBevel(QPainter *painter, const QRect &r, const TCellBevelFormat &bevel, TGridOptions options)
{
    if (options & goFixedVertLine) {
        painter->setPen(bevel.BottomRightColor);
        painter->drawLine(r.right(), r.top(), r.right(), r.bottom());
    }
    if (options & goFixedHorzLine) {
        painter->setPen(bevel.BottomRightColor);
        painter->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    }
    if (options & goFixedVertLine) {
        painter->setPen(bevel.TopLeftColor);
        painter->drawLine(r.left(), r.top(), r.left(), r.bottom());
    }
    if (options & goFixedHorzLine) {
        painter->setPen(bevel.TopLeftColor);
        painter->drawLine(r.left(), r.top(), r.right(), r.top());
    }
}

} // namespace

SortGridDelegate::SortGridDelegate(TSortGrid *grid) : QStyledItemDelegate(grid), m_grid(grid) {}

void SortGridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const StringGridModel &data = m_grid->gridData();
    const int col = index.column();
    const int row = data.gridRow(index);
    TGridDrawState state;
    if (option.state & QStyle::State_Selected)
        state |= gdSelected;
    if ((option.state & QStyle::State_HasFocus) && m_grid->hasFocus())
        state |= gdFocused;
    if (col < data.FixedCols())
        state |= gdFixed;

    TFormatOptions format;
    m_grid->DefaultCellFormat(format, state);
    try {
        if (m_grid->OnGetCellFormat)
            m_grid->OnGetCellFormat(m_grid, col, row, state, format);
    } catch (const std::exception &) {
        // Painting cannot stop for an error box; the cell is drawn with what the handler left.
    }
    const QRect rect = option.rect;
    if (!m_grid->DefaultDrawing()) {
        if (m_grid->OnDrawCell)
            m_grid->OnDrawCell(m_grid, col, row, painter, rect, state);
        else
            QStyledItemDelegate::paint(painter, option, index);
        return;
    }

    painter->save();
    painter->setClipRect(rect);
    painter->fillRect(rect, format.Brush);
    if (!format.SuppressText) {
        const QString text = data.Cells(col, row);
        const QFontMetrics metrics(format.Font);
        const QSize textSize(metrics.horizontalAdvance(text), metrics.height());
        const QPoint offset = cellTextOffset(format.AlignmentHorz, format.AlignmentVert, rect.size(), textSize);
        painter->setFont(format.Font);
        painter->setPen(format.FontColor);
        painter->drawText(QPoint(rect.left() + offset.x(), rect.top() + offset.y() + metrics.ascent()), text);
    }
    if (format.Bevel.Style != cbNone && !(state & gdFixed))
        drawBevel(painter, rect, format.Bevel, m_grid->Options());
    if ((state & gdFocused) && !(m_grid->Options() & goRowSelect)) {
        QStyleOptionFocusRect focus;
        focus.initFrom(m_grid);
        focus.rect = rect.adjusted(1, 1, -1, -1);
        focus.backgroundColor = format.Brush.color();
        m_grid->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, m_grid);
    }
    painter->restore();
}

void SortGridDelegate::setModelData(QWidget *editor, QAbstractItemModel *, const QModelIndex &index) const
{
    const auto *line = qobject_cast<QLineEdit *>(editor);
    if (!line)
        return;
    try {
        m_grid->SetEditText(index.column(), m_grid->gridData().gridRow(index), line->text());
    } catch (const std::exception &error) {
        m_grid->reportError(error);
    }
}

} // namespace corvane::sortgrid
