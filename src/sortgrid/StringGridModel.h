#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <vector>

namespace corvane::sortgrid {

// The cells of a string grid: gridColumnCount x gridRowCount texts addressed by (column, row), the first
// FixedRows rows and FixedCols columns being fixed (header) cells. As an item model it shows the
// data rows (row FixedRows and up) as rows 0 and up, every column as a column, and the fixed rows
// as the horizontal header. Rows are stored whole, so moving a row costs the same at any width.
class StringGridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit StringGridModel(QObject *parent = nullptr);

    // Rows and columns of the whole grid, fixed ones included (rowCount() counts data rows only).
    int gridColumnCount() const { return m_colCount; }
    int gridRowCount() const { return int(m_rows.size()); }
    int FixedCols() const { return m_fixedCols; }
    int FixedRows() const { return m_fixedRows; }
    // Fewer rows than fixed rows lower FixedRows; fewer columns lower FixedCols.
    void setGridColumnCount(int count);
    void setGridRowCount(int count);
    void setFixedCols(int count);
    void setFixedRows(int count);

    // An empty text outside the grid.
    QString Cells(int col, int row) const { return cellRef(col, row); }
    const QString &cellRef(int col, int row) const;
    // A view of the stored text, valid until the cell changes.
    QStringView cellView(int col, int row) const;
    // Throws Error outside the grid.
    void setCells(int col, int row, const QString &text);
    QStringList Rows(int row) const;
    void setRows(int row, QStringList texts);
    QStringList Cols(int col) const;
    void setCols(int col, const QStringList &texts);

    // The base grid's row and column operations.
    void MoveRow(int from, int to);
    void MoveColumn(int from, int to);
    void DeleteRow(int row);
    void DeleteColumn(int col);
    // Empties every cell, fixed ones included.
    void clearCells();
    // Puts the data rows in a new order: data row i receives the row that was data row order[i].
    void permuteDataRows(const std::vector<int> &order);
    // The first cell, column by column, whose text equals text without regard to letter case.
    bool findText(const QString &text, int &col, int &row) const;

    // Between BeginUpdate and EndUpdate cell changes are announced once, at the end.
    void BeginUpdate();
    void EndUpdate();
    bool isUpdating() const { return m_updateDepth > 0; }

    // A fill in slices (GridFill) in progress; a newer fill supersedes an older one.
    quint64 startFill() { return m_activeFill = ++m_fillGeneration; }
    void endFill(quint64 fill)
    {
        if (m_activeFill == fill)
            m_activeFill = 0;
    }
    bool isFillCurrent(quint64 fill) const { return m_activeFill == fill; }
    bool isFilling() const { return m_activeFill != 0; }

    // Changes with every change of a cell, of the shape or of the order of rows or columns.
    quint64 revision() const { return m_revision; }

    // Whether the view may edit data cells.
    void setEditable(bool editable) { m_editable = editable; }
    bool isEditable() const { return m_editable; }
    // Placement of the header texts.
    void setHeaderAlignment(Qt::Alignment alignment);

    // Grid row of a model index, and the model index of a data cell (invalid for fixed rows).
    int gridRow(const QModelIndex &index) const { return index.row() + m_fixedRows; }
    QModelIndex cellIndex(int col, int row) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

Q_SIGNALS:
    // After the column or row count changed.
    void sizeChanged(int oldColCount, int oldRowCount);

private:
    void checkCell(int col, int row) const;
    void rowsChanged(int first, int last);
    void announceSize(int oldCols, int oldRows);

    std::vector<QStringList> m_rows; // a row may hold fewer texts than columns: the rest are empty
    int m_colCount = 0;
    int m_fixedCols = 0;
    int m_fixedRows = 0;
    bool m_editable = false;
    Qt::Alignment m_headerAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    int m_updateDepth = 0;
    int m_dirtyFirst = -1;
    int m_dirtyLast = -1;
    quint64 m_revision = 0;
    quint64 m_fillGeneration = 0;
    quint64 m_activeFill = 0;
};

} // namespace corvane::sortgrid
