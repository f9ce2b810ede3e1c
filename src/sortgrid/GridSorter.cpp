#include "GridSorter.h"

#include "SortCompare.h"
#include "StringGridModel.h"

namespace corvane::sortgrid {

namespace {

// Sets a flag for a scope, clearing it again on the way out, also on failure.
class FlagScope
{
public:
    explicit FlagScope(bool &flag) : m_flag(flag) { m_flag = true; }
    ~FlagScope() { m_flag = false; }
    FlagScope(const FlagScope &) = delete;
    FlagScope &operator=(const FlagScope &) = delete;

private:
    bool &m_flag;
};

} // namespace

TSortStyle GridSorter::GuessColumnKind(int column, const KeyConverter &converter)
{
    const int fixed = m_grid.FixedRows();
    m_detected = DetectedValues{column, m_grid.revision(), skText, converter.locale(), {}};
    m_detected.style = sortgrid::GuessColumnKind(
        m_grid.gridRowCount() - fixed,
        [this, column, fixed](qsizetype i) { return m_grid.cellView(column, fixed + int(i)); }, converter,
        &m_detected.values);
    return m_detected.style;
}

std::vector<double> GridSorter::takeValues(int column, TSortStyle style, const KeyConverter &converter)
{
    DetectedValues detected = std::move(m_detected);
    m_detected = DetectedValues();
    const int fixed = m_grid.FixedRows();
    const int count = m_grid.gridRowCount() - fixed;
    if (detected.column == column && detected.revision == m_grid.revision() && detected.style == style
        && detected.locale == converter.locale() && qsizetype(detected.values.size()) == count)
        return std::move(detected.values);
    std::vector<QStringView> keys;
    keys.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i)
        keys.push_back(m_grid.cellView(column, fixed + i));
    return ConvertKeys(keys, style, converter);
}

int GridSorter::SortRows(int column, TSortOptions options, int currentRow, const KeyConverter &converter)
{
    FlagScope sorting(m_sorting);
    const int fixed = m_grid.FixedRows();
    const int count = m_grid.gridRowCount() - fixed;
    m_sortList.clear();
    if (count <= 0)
        return -1;

    std::vector<int> order;
    if (options.Style == skNumeric || options.Style == skDateTime) {
        order = SortedValueOrder(takeValues(column, options.Style, converter), options.Direction);
    } else {
        std::vector<QStringView> keys;
        keys.reserve(std::size_t(count));
        for (int i = 0; i < count; ++i)
            keys.push_back(m_grid.cellView(column, fixed + i));
        order = SortedTextOrder(keys, options);
    }

    m_sortList.reserve(std::size_t(count));
    int currentPosition = -1;
    for (int i = 0; i < count; ++i) {
        const int former = fixed + order[std::size_t(i)];
        m_sortList.push_back(TSortedListEntry{m_grid.cellRef(column, former), former});
        if (former == currentRow)
            currentPosition = i;
    }
    m_grid.permuteDataRows(order);
    return currentPosition < 0 ? -1 : fixed + currentPosition;
}

bool GridSorter::SortUndoAvailable()
{
    if (qsizetype(m_sortList.size()) == m_grid.gridRowCount() - m_grid.FixedRows())
        return true;
    m_sortList.clear();
    return false;
}

int GridSorter::UndoSort(int currentRow)
{
    if (!SortUndoAvailable())
        return -1;
    const int fixed = m_grid.FixedRows();
    // Data row i goes back to the row its entry came from: the inverse of the sort's order.
    // A list that no longer names every data row once (the fixed rows changed since) would
    // duplicate some rows and lose others: it is dropped instead.
    std::vector<int> order(m_sortList.size(), -1);
    for (std::size_t i = 0; i < m_sortList.size(); ++i) {
        const int slot = m_sortList[i].FormerRow - fixed;
        if (slot < 0 || slot >= int(order.size()) || order[std::size_t(slot)] >= 0) {
            m_sortList.clear();
            return -1;
        }
        order[std::size_t(slot)] = int(i);
    }
    int target = -1;
    const int position = currentRow - fixed;
    if (position >= 0 && position < int(m_sortList.size()))
        target = m_sortList[std::size_t(position)].FormerRow;
    m_grid.permuteDataRows(order);
    m_sortList.clear();
    return target;
}

} // namespace corvane::sortgrid
