#include "StringGridModel.h"

#include "platform/Errors.h"

#include <algorithm>

namespace corvane::sortgrid {

StringGridModel::StringGridModel(QObject *parent) : QAbstractTableModel(parent) {}

void StringGridModel::checkCell(int col, int row) const
{
    if (col < 0 || col >= m_colCount || row < 0 || row >= gridRowCount())
        throw Error(tr("Grid index out of range"));
}

void StringGridModel::announceSize(int oldCols, int oldRows)
{
    ++m_revision;
    if (oldCols != m_colCount || oldRows != gridRowCount())
        Q_EMIT sizeChanged(oldCols, oldRows);
}

void StringGridModel::setGridColumnCount(int count)
{
    count = std::max(count, 0);
    const int old = m_colCount;
    if (count == old)
        return;
    if (count > old) {
        beginInsertColumns(QModelIndex(), old, count - 1);
        m_colCount = count;
        endInsertColumns();
    } else {
        beginRemoveColumns(QModelIndex(), count, old - 1);
        m_colCount = count;
        for (QStringList &row : m_rows) {
            if (row.size() > count)
                row.resize(count);
        }
        m_fixedCols = std::min(m_fixedCols, count);
        endRemoveColumns();
    }
    announceSize(old, gridRowCount());
}

void StringGridModel::setGridRowCount(int count)
{
    count = std::max(count, 0);
    const int old = gridRowCount();
    if (count == old)
        return;
    if (count < m_fixedRows) {
        beginResetModel();
        m_rows.resize(std::size_t(count));
        m_fixedRows = count;
        endResetModel();
    } else if (count > old) {
        beginInsertRows(QModelIndex(), old - m_fixedRows, count - m_fixedRows - 1);
        m_rows.resize(std::size_t(count));
        endInsertRows();
    } else {
        beginRemoveRows(QModelIndex(), count - m_fixedRows, old - m_fixedRows - 1);
        m_rows.resize(std::size_t(count));
        endRemoveRows();
    }
    if (m_dirtyLast >= count)
        m_dirtyLast = count - 1;
    announceSize(m_colCount, old);
}

void StringGridModel::setFixedCols(int count)
{
    count = std::clamp(count, 0, m_colCount);
    if (count == m_fixedCols)
        return;
    ++m_revision;
    beginResetModel();
    m_fixedCols = count;
    endResetModel();
}

void StringGridModel::setFixedRows(int count)
{
    count = std::clamp(count, 0, gridRowCount());
    if (count == m_fixedRows)
        return;
    ++m_revision;
    beginResetModel();
    m_fixedRows = count;
    endResetModel();
}

const QString &StringGridModel::cellRef(int col, int row) const
{
    static const QString empty;
    if (row < 0 || row >= gridRowCount() || col < 0 || col >= m_colCount)
        return empty;
    const QStringList &cells = m_rows[std::size_t(row)];
    return col < cells.size() ? cells.at(col) : empty;
}

QStringView StringGridModel::cellView(int col, int row) const
{
    return cellRef(col, row);
}

void StringGridModel::setCells(int col, int row, const QString &text)
{
    checkCell(col, row);
    ++m_revision;
    QStringList &cells = m_rows[std::size_t(row)];
    if (cells.size() <= col) {
        if (text.isEmpty())
            return;
        cells.resize(m_colCount);
    }
    cells[col] = text;
    if (m_updateDepth > 0) {
        rowsChanged(row, row);
    } else if (row < m_fixedRows) {
        Q_EMIT headerDataChanged(Qt::Horizontal, col, col);
    } else {
        const QModelIndex index = cellIndex(col, row);
        Q_EMIT dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    }
}

QStringList StringGridModel::Rows(int row) const
{
    if (row < 0 || row >= gridRowCount())
        return {};
    QStringList cells = m_rows[std::size_t(row)];
    cells.resize(m_colCount);
    return cells;
}

void StringGridModel::setRows(int row, QStringList texts)
{
    if (row < 0 || row >= gridRowCount())
        throw Error(tr("Grid index out of range"));
    QStringList &cells = m_rows[std::size_t(row)];
    cells = std::move(texts);
    if (cells.size() > m_colCount)
        cells.resize(m_colCount);
    rowsChanged(row, row);
}

QStringList StringGridModel::Cols(int col) const
{
    QStringList texts;
    if (col < 0 || col >= m_colCount)
        return texts;
    texts.reserve(gridRowCount());
    for (int row = 0; row < gridRowCount(); ++row)
        texts.append(Cells(col, row));
    return texts;
}

void StringGridModel::setCols(int col, const QStringList &texts)
{
    checkCell(col, 0);
    BeginUpdate();
    const int rows = std::min<int>(gridRowCount(), int(texts.size()));
    for (int row = 0; row < rows; ++row)
        setCells(col, row, texts.at(row));
    EndUpdate();
}

void StringGridModel::rowsChanged(int first, int last)
{
    ++m_revision;
    if (first > last)
        return;
    if (m_updateDepth > 0) {
        m_dirtyFirst = m_dirtyFirst < 0 ? first : std::min(m_dirtyFirst, first);
        m_dirtyLast = std::max(m_dirtyLast, last);
        return;
    }
    if (first < m_fixedRows)
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, std::max(m_colCount - 1, 0));
    first = std::max(first, m_fixedRows);
    if (first <= last && m_colCount > 0)
        Q_EMIT dataChanged(index(first - m_fixedRows, 0), index(last - m_fixedRows, m_colCount - 1),
                           {Qt::DisplayRole, Qt::EditRole});
}

void StringGridModel::MoveRow(int from, int to)
{
    checkCell(0, from);
    checkCell(0, to);
    if (from == to)
        return;
    const auto begin = m_rows.begin();
    if (from < to)
        std::rotate(begin + from, begin + from + 1, begin + to + 1);
    else
        std::rotate(begin + to, begin + from, begin + from + 1);
    rowsChanged(std::min(from, to), std::max(from, to));
}

void StringGridModel::MoveColumn(int from, int to)
{
    checkCell(from, 0);
    checkCell(to, 0);
    if (from == to)
        return;
    for (QStringList &cells : m_rows) {
        if (cells.isEmpty())
            continue; // an empty row stays empty
        if (cells.size() < m_colCount)
            cells.resize(m_colCount);
        cells.move(from, to);
    }
    if (gridRowCount() > 0)
        rowsChanged(0, gridRowCount() - 1);
}

void StringGridModel::DeleteRow(int row)
{
    checkCell(0, row);
    const int oldRows = gridRowCount();
    if (row < m_fixedRows) {
        beginResetModel();
        m_rows.erase(m_rows.begin() + row);
        m_fixedRows = std::min(m_fixedRows, gridRowCount());
        endResetModel();
    } else {
        beginRemoveRows(QModelIndex(), row - m_fixedRows, row - m_fixedRows);
        m_rows.erase(m_rows.begin() + row);
        endRemoveRows();
    }
    announceSize(m_colCount, oldRows);
}

void StringGridModel::DeleteColumn(int col)
{
    checkCell(col, 0);
    const int oldCols = m_colCount;
    beginRemoveColumns(QModelIndex(), col, col);
    for (QStringList &cells : m_rows) {
        if (cells.size() > col)
            cells.removeAt(col);
    }
    --m_colCount;
    m_fixedCols = std::min(m_fixedCols, m_colCount);
    endRemoveColumns();
    if (m_fixedRows > 0)
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, std::max(m_colCount - 1, 0));
    announceSize(oldCols, gridRowCount());
}

void StringGridModel::clearCells()
{
    for (QStringList &cells : m_rows)
        cells.clear();
    if (gridRowCount() > 0)
        rowsChanged(0, gridRowCount() - 1);
}

void StringGridModel::permuteDataRows(const std::vector<int> &order)
{
    std::vector<QStringList> moved;
    moved.reserve(order.size());
    for (const int from : order)
        moved.push_back(std::move(m_rows[std::size_t(m_fixedRows + from)]));
    std::move(moved.begin(), moved.end(), m_rows.begin() + m_fixedRows);
    if (!order.empty())
        rowsChanged(m_fixedRows, m_fixedRows + int(order.size()) - 1);
}

bool StringGridModel::findText(const QString &text, int &col, int &row) const
{
    for (int c = 0; c < m_colCount; ++c) {
        for (int r = 0; r < gridRowCount(); ++r) {
            if (cellView(c, r).compare(text, Qt::CaseInsensitive) == 0) {
                col = c;
                row = r;
                return true;
            }
        }
    }
    return false;
}

void StringGridModel::BeginUpdate()
{
    ++m_updateDepth;
}

void StringGridModel::EndUpdate()
{
    if (m_updateDepth == 0 || --m_updateDepth > 0)
        return;
    const int first = m_dirtyFirst;
    const int last = std::min(m_dirtyLast, gridRowCount() - 1);
    m_dirtyFirst = m_dirtyLast = -1;
    if (first >= 0)
        rowsChanged(first, last);
}

void StringGridModel::setHeaderAlignment(Qt::Alignment alignment)
{
    if (alignment == m_headerAlignment)
        return;
    m_headerAlignment = alignment;
    if (m_colCount > 0)
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, m_colCount - 1);
}

QModelIndex StringGridModel::cellIndex(int col, int row) const
{
    if (row < m_fixedRows)
        return {};
    return index(row - m_fixedRows, col);
}

int StringGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : gridRowCount() - m_fixedRows;
}

int StringGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_colCount;
}

QVariant StringGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return cellView(index.column(), gridRow(index)).toString();
}

bool StringGridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    setCells(index.column(), gridRow(index), value.toString());
    return true;
}

QVariant StringGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        if (role == Qt::DisplayRole)
            return section + m_fixedRows;
        return {};
    }
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(m_headerAlignment);
    if (role != Qt::DisplayRole || section < 0 || section >= m_colCount)
        return {};
    QStringList lines;
    for (int row = 0; row < m_fixedRows; ++row)
        lines.append(Cells(section, row));
    return lines.join(u'\n');
}

Qt::ItemFlags StringGridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.column() < m_fixedCols)
        return Qt::ItemIsEnabled;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (m_editable)
        flags |= Qt::ItemIsEditable;
    return flags;
}

} // namespace corvane::sortgrid
