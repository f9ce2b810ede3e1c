#include "sortgrid/GridSorter.h"
#include "sortgrid/StringGridModel.h"

#include <gtest/gtest.h>

using namespace corvane::sortgrid;

namespace {

// A grid with one header row and the given rows (each a list of cells).
class Grid
{
public:
    explicit Grid(const QList<QStringList> &rows)
    {
        const int cols = rows.isEmpty() ? 1 : int(rows.front().size());
        model.setGridColumnCount(cols);
        model.setGridRowCount(int(rows.size()) + 1);
        model.setFixedRows(1);
        for (int c = 0; c < cols; ++c)
            model.setCells(c, 0, QStringLiteral("H%1").arg(c));
        for (int r = 0; r < rows.size(); ++r)
            model.setRows(r + 1, rows[r]);
    }

    QStringList column(int col) const
    {
        QStringList texts = model.Cols(col);
        texts.removeFirst();
        return texts;
    }

    StringGridModel model;
    GridSorter sorter{model};
};

const KeyConverter &cLocale()
{
    static const KeyConverter converter{QLocale::c()};
    return converter;
}

QStringList texts(std::initializer_list<const char *> items)
{
    QStringList list;
    for (const char *item : items)
        list.append(QString::fromUtf8(item));
    return list;
}

TEST(GridSorting, NumbersSortByValueUnlessAnEmptyCellMakesTheColumnText)
{
    Grid numbers({{QStringLiteral("10")}, {QStringLiteral("9")}, {QStringLiteral("100")}});
    const TSortStyle kind = numbers.sorter.GuessColumnKind(0, cLocale());
    EXPECT_EQ(kind, skNumeric);
    numbers.sorter.SortRows(0, {kind, soAscending, true}, -1, cLocale());
    EXPECT_EQ(numbers.column(0), texts({"9", "10", "100"}));

    Grid withEmpty({{QStringLiteral("10")}, {QStringLiteral("9")}, {QStringLiteral("100")}, {QString()}});
    const TSortStyle textKind = withEmpty.sorter.GuessColumnKind(0, cLocale());
    EXPECT_EQ(textKind, skText);
    withEmpty.sorter.SortRows(0, {textKind, soAscending, true}, -1, cLocale());
    EXPECT_EQ(withEmpty.column(0), texts({"", "10", "100", "9"}));
}

TEST(GridSorting, CapitalZComesBeforeSmallAOnlyWhenCaseCounts)
{
    Grid grid({{QStringLiteral("apple")}, {QStringLiteral("Zebra")}});
    grid.sorter.SortRows(0, {skText, soAscending, true}, -1, cLocale());
    EXPECT_EQ(grid.column(0), texts({"Zebra", "apple"}));
    grid.sorter.SortRows(0, {skText, soAscending, false}, -1, cLocale());
    EXPECT_EQ(grid.column(0), texts({"apple", "Zebra"}));
}

TEST(GridSorting, EqualKeysKeepTheirOrderInBothDirections)
{
    Grid grid({{QStringLiteral("k"), QStringLiteral("1")},
               {QStringLiteral("k"), QStringLiteral("2")},
               {QStringLiteral("k"), QStringLiteral("3")}});
    for (const TSortDirection direction : {soAscending, soDescending}) {
        grid.sorter.SortRows(0, {skText, direction, true}, -1, cLocale());
        EXPECT_EQ(grid.column(1), texts({"1", "2", "3"})) << int(direction);
    }
}

TEST(GridSorting, RowsMoveWholeAndHeaderRowsStay)
{
    Grid grid({{QStringLiteral("b"), QStringLiteral("second")}, {QStringLiteral("a"), QStringLiteral("first")}});
    grid.sorter.SortRows(0, {skText, soAscending, true}, -1, cLocale());
    EXPECT_EQ(grid.model.Rows(0), texts({"H0", "H1"}));
    EXPECT_EQ(grid.model.Rows(1), texts({"a", "first"}));
    EXPECT_EQ(grid.model.Rows(2), texts({"b", "second"}));
}

TEST(GridSorting, ReportsWhereTheCurrentRecordWentAndUndoPutsItBack)
{
    Grid grid({{QStringLiteral("c")}, {QStringLiteral("a")}, {QStringLiteral("d")}, {QStringLiteral("b")}});
    // Row 1 holds "c"; after the sort "c" is the third data row.
    const int moved = grid.sorter.SortRows(0, {skText, soAscending, true}, 1, cLocale());
    EXPECT_EQ(moved, 3);
    EXPECT_EQ(grid.model.Cells(0, moved), QStringLiteral("c"));
    ASSERT_TRUE(grid.sorter.SortUndoAvailable());

    const int back = grid.sorter.UndoSort(moved);
    EXPECT_EQ(back, 1);
    EXPECT_EQ(grid.column(0), texts({"c", "a", "d", "b"}));
    // A second undo changes nothing.
    EXPECT_EQ(grid.sorter.UndoSort(back), -1);
    EXPECT_EQ(grid.column(0), texts({"c", "a", "d", "b"}));
}

TEST(GridSorting, UndoIsGoneOnceTheRowCountChanged)
{
    Grid grid({{QStringLiteral("b")}, {QStringLiteral("a")}});
    grid.sorter.SortRows(0, {skText, soAscending, true}, -1, cLocale());
    grid.model.setGridRowCount(4);
    EXPECT_FALSE(grid.sorter.SortUndoAvailable());
    EXPECT_TRUE(grid.sorter.SortList().empty());
}

TEST(GridSorting, UndoAfterTheFixedRowsChangedLosesNoRow)
{
    Grid grid({{QStringLiteral("b")}, {QStringLiteral("a")}, {QStringLiteral("c")}});
    grid.sorter.SortRows(0, {skText, soAscending, true}, -1, cLocale());
    // Same number of data rows, but counted from another row.
    grid.model.setGridRowCount(5);
    grid.model.setFixedRows(2);
    EXPECT_EQ(grid.sorter.UndoSort(2), -1);
    EXPECT_EQ(grid.model.Cols(0), texts({"H0", "a", "b", "c", ""}));
}

TEST(GridSorting, DatesSortByTimeNotText)
{
    Grid grid({{QStringLiteral("7 Dec 2026 14:05:09")}, {QStringLiteral("10 Jan 2025")},
               {QStringLiteral("7 Dec 2026")}, {QStringLiteral("9 Feb 2025 08:00:00")}});
    const TSortStyle kind = grid.sorter.GuessColumnKind(0, cLocale());
    ASSERT_EQ(kind, skDateTime);
    grid.sorter.SortRows(0, {kind, soDescending, false}, -1, cLocale());
    EXPECT_EQ(grid.column(0), texts({"7 Dec 2026 14:05:09", "7 Dec 2026", "9 Feb 2025 08:00:00", "10 Jan 2025"}));
}

TEST(GridSorting, ASortAfterACellChangedReadsTheNewText)
{
    Grid grid({{QStringLiteral("3")}, {QStringLiteral("1")}, {QStringLiteral("2")}});
    const TSortStyle kind = grid.sorter.GuessColumnKind(0, cLocale());
    grid.model.setCells(0, 1, QStringLiteral("0.5"));
    grid.sorter.SortRows(0, {kind, soAscending, true}, -1, cLocale());
    EXPECT_EQ(grid.column(0), texts({"0.5", "1", "2"}));
}

TEST(GridSorting, SortListHoldsKeysAndFormerRowsInSortedOrder)
{
    Grid grid({{QStringLiteral("b")}, {QStringLiteral("a")}});
    grid.sorter.SortRows(0, {skText, soAscending, true}, -1, cLocale());
    ASSERT_EQ(grid.sorter.SortList().size(), 2u);
    EXPECT_EQ(grid.sorter.SortList()[0].Key, QStringLiteral("a"));
    EXPECT_EQ(grid.sorter.SortList()[0].FormerRow, 2);
    EXPECT_EQ(grid.sorter.SortList()[1].FormerRow, 1);
    EXPECT_FALSE(grid.sorter.Sorting());
}

} // namespace
