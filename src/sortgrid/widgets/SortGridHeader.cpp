#include "SortGridHeader.h"

#include "SortGrid.h"

#include <QMouseEvent>
#include <QStyle>

namespace corvane::sortgrid {

SortGridHeader::SortGridHeader(TSortGrid *grid) : QHeaderView(Qt::Horizontal, grid), m_grid(grid)
{
    // A click sorts; it neither selects the column nor shows a pressed section.
    setSectionsClickable(false);
    setHighlightSections(false);
    setSortIndicatorShown(false);
    connect(this, &QHeaderView::sectionResized, this, [this] {
        if (m_pressed)
            m_sizingOrMoving = true;
    });
    connect(this, &QHeaderView::sectionMoved, this, [this] {
        if (m_pressed)
            m_sizingOrMoving = true;
    });
}

bool SortGridHeader::isOnSectionBorder(const QPoint &position) const
{
    const int grip = style()->pixelMetric(QStyle::PM_HeaderGripMargin, nullptr, this);
    const int pos = position.x();
    const int visual = visualIndexAt(pos);
    if (visual < 0)
        return false;
    const int logical = logicalIndex(visual);
    const int start = sectionViewportPosition(logical);
    const bool reversed = isRightToLeft();
    bool nearStart = pos < start + grip;
    bool nearEnd = pos > start + sectionSize(logical) - grip;
    if (reversed)
        std::swap(nearStart, nearEnd);
    if (nearEnd)
        return sectionResizeMode(logical) == QHeaderView::Interactive;
    if (nearStart) {
        // The border of the previous visible section.
        for (int v = visual - 1; v >= 0; --v) {
            const int previous = logicalIndex(v);
            if (!isSectionHidden(previous))
                return sectionResizeMode(previous) == QHeaderView::Interactive;
        }
    }
    return false;
}

void SortGridHeader::mousePressEvent(QMouseEvent *event)
{
    m_pressed = true;
    m_sizingOrMoving = isOnSectionBorder(event->position().toPoint());
    // As in a string grid, pressing on the header focuses the grid.
    if (m_grid->focusPolicy() != Qt::NoFocus)
        m_grid->setFocus(Qt::MouseFocusReason);
    QHeaderView::mousePressEvent(event);
}

void SortGridHeader::mouseReleaseEvent(QMouseEvent *event)
{
    const bool sizing = m_sizingOrMoving;
    m_pressed = false;
    m_sizingOrMoving = false;
    try {
        m_grid->headerMouseUp(event->button(), event->buttons(), event->modifiers(),
                              event->position().toPoint(), sizing);
    } catch (const std::exception &error) {
        m_grid->reportError(error);
    }
    QHeaderView::mouseReleaseEvent(event);
}

} // namespace corvane::sortgrid
