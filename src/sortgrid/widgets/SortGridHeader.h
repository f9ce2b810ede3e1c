#pragma once

#include <QHeaderView>

namespace corvane::sortgrid {

class TSortGrid;

// The grid's header row. A mouse button released over a header cell asks the grid to sort by
// that column, unless the press began on a section border or a section was resized or moved
// since: that release ends a drag, not a click.
class SortGridHeader : public QHeaderView
{
    Q_OBJECT

public:
    explicit SortGridHeader(TSortGrid *grid);

    // Whether a point lies on a section border that can be dragged.
    bool isOnSectionBorder(const QPoint &position) const;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    TSortGrid *m_grid;
    bool m_pressed = false;
    bool m_sizingOrMoving = false;
};

} // namespace corvane::sortgrid
