#pragma once

#include <QStyledItemDelegate>

namespace corvane::sortgrid {

class TSortGrid;

// Paints the grid's cells with the grid's format rules (alignment offsets, bevels, the
// OnGetCellFormat event) and writes what the in-place editor holds back through the grid.
class SortGridDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit SortGridDelegate(TSortGrid *grid);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

private:
    TSortGrid *m_grid;
};

} // namespace corvane::sortgrid
