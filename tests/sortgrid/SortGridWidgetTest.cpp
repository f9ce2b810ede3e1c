#include "sortgrid/widgets/SortGrid.h"

#include "platform/Errors.h"

#include "support/TempFolder.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <utility>

using namespace corvane::sortgrid;

namespace {

// A shown, focused grid with a header row and one column of the given keys plus a row number.
class ShownGrid : public ::testing::Test
{
protected:
    void fill(const QStringList &keys)
    {
        grid.setFixedCols(0);
        grid.setColCount(2);
        grid.setRowCount(int(keys.size()) + 1);
        grid.setCells(0, 0, QStringLiteral("Key"));
        grid.setCells(1, 0, QStringLiteral("No."));
        for (int i = 0; i < keys.size(); ++i) {
            grid.setCells(0, i + 1, keys[i]);
            grid.setCells(1, i + 1, QString::number(i + 1));
        }
        grid.setOptions(defaultGridOptions() | goColSizing | goRowSelect);
        grid.setColWidths(0, 80);
        grid.setColWidths(1, 80);
        grid.resize(300, 300);
        grid.show();
        QApplication::setActiveWindow(&grid);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&grid));
        grid.setFocus();
    }

    QStringList keys() const
    {
        QStringList texts = grid.Cols(0);
        texts.removeFirst();
        return texts;
    }

    QPoint headerCentre(int col) const
    {
        const QHeaderView *header = grid.horizontalHeader();
        return QPoint(header->sectionViewportPosition(col) + header->sectionSize(col) / 2, header->height() / 2);
    }

    void clickHeader(int col, Qt::MouseButton button, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::mouseClick(grid.horizontalHeader()->viewport(), button, modifiers, headerCentre(col));
    }

    TSortGrid grid;
};

TEST_F(ShownGrid, LeftClickOnAHeaderSortsAscendingAndRightClickDescending)
{
    fill({QStringLiteral("10"), QStringLiteral("9"), QStringLiteral("100")});
    clickHeader(0, Qt::LeftButton);
    EXPECT_EQ(keys(), (QStringList{QStringLiteral("9"), QStringLiteral("10"), QStringLiteral("100")}));
    clickHeader(0, Qt::RightButton);
    EXPECT_EQ(keys(), (QStringList{QStringLiteral("100"), QStringLiteral("10"), QStringLiteral("9")}));
}

TEST_F(ShownGrid, AModifiedClickADraggedBorderOrClickSortingOffDoesNotSort)
{
    const auto dragBorder = [this] {
        QWidget *viewport = grid.horizontalHeader()->viewport();
        const QPoint border(grid.ColWidths(0) - 1, grid.horizontalHeader()->height() / 2);
        QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, border);
        QTest::mouseMove(viewport, border + QPoint(25, 0));
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, border + QPoint(25, 0));
    };
    const std::pair<const char *, std::function<void()>> cases[] = {
        {"shift", [this] { clickHeader(0, Qt::LeftButton, Qt::ShiftModifier); }},
        {"control", [this] { clickHeader(0, Qt::LeftButton, Qt::ControlModifier); }},
        {"alt", [this] { clickHeader(0, Qt::LeftButton, Qt::AltModifier); }},
        {"border drag", dragBorder},
        {"click sorting off", [this] {
             grid.setClickSorting(false);
             clickHeader(0, Qt::LeftButton);
         }},
    };
    for (const auto &[what, act] : cases) {
        SCOPED_TRACE(what);
        fill({QStringLiteral("b"), QStringLiteral("a")});
        act();
        EXPECT_EQ(keys(), (QStringList{QStringLiteral("b"), QStringLiteral("a")}));
    }
}

TEST_F(ShownGrid, ClickSortHandlerSeesTheClickAndMayChangeTheOptions)
{
    fill({QStringLiteral("a"), QStringLiteral("c"), QStringLiteral("b")});
    TSortOptions seen;
    int seenCol = -1, seenRow = -1;
    grid.OnClickSort = [&](TSortGrid *, int col, int row, TSortOptions &options) {
        seen = options;
        seenCol = col;
        seenRow = row;
        options.Direction = soAscending;
    };
    QStringList events;
    grid.OnBeginSort = [&](TSortGrid *, int col, TSortOptions &options) {
        events << QStringLiteral("begin %1 %2").arg(col).arg(int(options.Style));
    };
    grid.OnEndSort = [&](TSortGrid *, int col) { events << QStringLiteral("end %1").arg(col); };

    clickHeader(0, Qt::RightButton);
    EXPECT_EQ(seen, (TSortOptions{skAuto, soDescending, true}));
    EXPECT_EQ(seenCol, 0);
    EXPECT_EQ(seenRow, 0);
    EXPECT_EQ(keys(), (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
    EXPECT_EQ(events, (QStringList{QStringLiteral("begin 0 0"), QStringLiteral("end 0")}));
}

TEST_F(ShownGrid, AGridWithOneDataRowIgnoresSortsAndRaisesNoEvents)
{
    fill({QStringLiteral("only")});
    int events = 0;
    grid.OnBeginSort = [&](TSortGrid *, int, TSortOptions &) { ++events; };
    grid.OnEndSort = [&](TSortGrid *, int) { ++events; };
    clickHeader(0, Qt::LeftButton);
    grid.SortOnColumn(0, {skText, soDescending, false});
    EXPECT_EQ(events, 0);
}

TEST_F(ShownGrid, KeepsTheSelectedRecordAndUndoRestoresOrderAndSelection)
{
    fill({QStringLiteral("c"), QStringLiteral("a"), QStringLiteral("d"), QStringLiteral("b")});
    grid.GoToCell(0, 1); // "c", record 1
    grid.SortOnColumn(0, {skAuto, soAscending, false});
    EXPECT_EQ(grid.Row(), 3);
    EXPECT_EQ(grid.Cells(1, grid.Row()), QStringLiteral("1"));

    grid.UndoSort();
    EXPECT_EQ(keys(), (QStringList{QStringLiteral("c"), QStringLiteral("a"), QStringLiteral("d"), QStringLiteral("b")}));
    EXPECT_EQ(grid.Row(), 1);
    grid.UndoSort();
    EXPECT_EQ(keys(), (QStringList{QStringLiteral("c"), QStringLiteral("a"), QStringLiteral("d"), QStringLiteral("b")}));
    EXPECT_EQ(grid.Row(), 1);
}

TEST_F(ShownGrid, ExchangeRowsSwapsOnlyTheTwoRows)
{
    fill({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5"),
          QStringLiteral("6")});
    grid.ExchangeRows(2, 5);
    EXPECT_EQ(keys(), (QStringList{QStringLiteral("1"), QStringLiteral("5"), QStringLiteral("3"), QStringLiteral("4"),
                                   QStringLiteral("2"), QStringLiteral("6")}));
    grid.ExchangeRows(5, 2);
    EXPECT_EQ(grid.Cells(0, 2), QStringLiteral("2"));
    EXPECT_EQ(grid.Cells(0, 5), QStringLiteral("5"));
}

TEST_F(ShownGrid, ExtendedKeysInsertAndRemoveRowsButKeepTheLastDataRow)
{
    fill({QStringLiteral("a"), QStringLiteral("b")});
    grid.setExtendedKeys(true);
    QList<int> inserted, deleted;
    grid.OnRowInsert = [&](TSortGrid *, int index) { inserted << index; };
    grid.OnRowDelete = [&](TSortGrid *, int index) { deleted << index; };
    grid.GoToCell(0, 2);
    QTest::keyClick(&grid, Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(inserted, QList<int>{2});
    EXPECT_EQ(keys(), (QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")}));
    EXPECT_EQ(grid.Row(), 2);

    QTest::keyClick(&grid, Qt::Key_Delete, Qt::ControlModifier);
    QTest::keyClick(&grid, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(deleted.size(), 2);
    EXPECT_EQ(grid.RowCount(), 2);
    // One data row left: Ctrl+Delete does nothing more.
    QTest::keyClick(&grid, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(deleted.size(), 2);
    EXPECT_EQ(grid.RowCount(), 2);
    // Without the setting the keys do nothing.
    grid.setExtendedKeys(false);
    QTest::keyClick(&grid, Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(grid.RowCount(), 2);
}

TEST_F(ShownGrid, AnInvalidEditWithAnUnchangedValueGetsTheEnteredTextBack)
{
    fill({QStringLiteral("a"), QStringLiteral("b")});
    grid.setOptions(defaultGridOptions() | goEditing);
    int calls = 0;
    grid.OnCellValidate = [&](TSortGrid *, int col, int row, QString &value, bool &valid) {
        ++calls;
        EXPECT_EQ(col, 0);
        EXPECT_EQ(row, 1);
        valid = value != QStringLiteral("bad");
    };
    grid.GoToCell(0, 1);
    grid.RememberCurrentCell();
    grid.SetEditText(0, 1, QStringLiteral("bad"));
    EXPECT_TRUE(grid.Modified());
    grid.GoToCell(0, 2); // leaving the cell validates it
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(grid.Cells(0, 1), QStringLiteral("a"));
    EXPECT_FALSE(grid.Modified());

    grid.GoToCell(0, 1);
    grid.SetEditText(0, 1, QStringLiteral("good"));
    grid.GoToCell(0, 2);
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(grid.Cells(0, 1), QStringLiteral("good"));
}

TEST_F(ShownGrid, SortingMovesNoTextBetweenRecordsThroughValidation)
{
    fill({QStringLiteral("c"), QStringLiteral("a"), QStringLiteral("b")});
    int calls = 0;
    grid.OnCellValidate = [&](TSortGrid *, int, int, QString &, bool &valid) {
        ++calls;
        valid = false;
    };
    grid.GoToCell(0, 1);
    grid.RememberCurrentCell();
    grid.SortOnColumn(0, {skText, soAscending, true});
    grid.GoToCell(0, 2);
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(keys(), (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
    EXPECT_EQ(grid.Cols(1).mid(1), (QStringList{QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("1")}));
}

TEST_F(ShownGrid, TheHeaderShowsTheSortUntilTheRowsChange)
{
    fill({QStringLiteral("b"), QStringLiteral("a")});
    clickHeader(1, Qt::RightButton);
    QHeaderView *header = grid.horizontalHeader();
    EXPECT_TRUE(header->isSortIndicatorShown());
    EXPECT_EQ(header->sortIndicatorSection(), 1);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
    grid.setCells(0, 1, QStringLiteral("z"));
    EXPECT_FALSE(header->isSortIndicatorShown());
}

TEST_F(ShownGrid, AValidatorMayReplaceTheValue)
{
    fill({QStringLiteral("a"), QStringLiteral("b")});
    grid.OnCellValidate = [](TSortGrid *, int, int, QString &value, bool &) { value = value.toUpper(); };
    grid.GoToCell(0, 1);
    grid.RememberCurrentCell();
    grid.SetEditText(0, 1, QStringLiteral("new"));
    grid.GoToCell(0, 2);
    EXPECT_EQ(grid.Cells(0, 1), QStringLiteral("NEW"));
}

TEST_F(ShownGrid, TheInPlaceEditorWritesThroughTheGrid)
{
    fill({QStringLiteral("a"), QStringLiteral("b")});
    grid.setOptions(defaultGridOptions() | goEditing);
    grid.GoToCell(0, 1);
    const QModelIndex index = grid.gridData().cellIndex(0, 1);
    grid.edit(index);
    auto *editor = grid.findChild<QLineEdit *>();
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("typed"));
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents(); // the editor commits through a queued call
    EXPECT_EQ(grid.Cells(0, 1), QStringLiteral("typed"));
    EXPECT_TRUE(grid.Modified());
}

TEST_F(ShownGrid, NoSortRunsWhileTheEditorIsOpen)
{
    fill({QStringLiteral("b"), QStringLiteral("a")});
    grid.setOptions(defaultGridOptions() | goEditing);
    grid.GoToCell(0, 1);
    grid.edit(grid.gridData().cellIndex(0, 1));
    ASSERT_TRUE(grid.EditorMode());
    grid.SortOnColumn(0, {skText, soAscending, true});
    EXPECT_EQ(grid.Cells(0, 1), QStringLiteral("b"));
}

// The first column of the cell's rectangle, from the left, that differs from the background.
int firstInkColumn(const QImage &image, const QRect &cell, QRgb background)
{
    for (int x = cell.left(); x <= cell.right(); ++x) {
        for (int y = cell.top() + 1; y < cell.bottom(); ++y) {
            if (image.pixel(x, y) != background)
                return x;
        }
    }
    return -1;
}

TEST_F(ShownGrid, RightAlignedTextEndsTwoPixelsFromTheCellsRightEdge)
{
    fill({QStringLiteral("WWW"), QStringLiteral("a")});
    grid.setOptions(TGridOptions()); // no grid lines, no selection colours in the way
    grid.clearSelection();
    grid.setAlignmentHorz(taRightJustify);
    grid.setColWidths(0, 80);
    const QImage image = grid.viewport()->grab().toImage();
    const QRect cell = grid.visualRect(grid.gridData().cellIndex(0, 2));
    const int textWidth = grid.fontMetrics().horizontalAdvance(QStringLiteral("WWW"));
    const QRgb background = grid.palette().color(QPalette::Base).rgb();
    const QRect row1 = grid.visualRect(grid.gridData().cellIndex(0, 1));
    const int ink = firstInkColumn(image.convertToFormat(QImage::Format_RGB32), row1, background);
    EXPECT_NEAR(ink - row1.left(), 80 - textWidth - 2, 1);
    EXPECT_TRUE(cell.isValid());
}

TEST_F(ShownGrid, RaisedBevelsLightenTopLeftAndDarkenBottomRightOfDataCellsOnly)
{
    fill({QStringLiteral(""), QStringLiteral("")});
    grid.setFixedCols(1);
    grid.setOptions(goFixedVertLine | goFixedHorzLine);
    grid.clearSelection();
    grid.setBevelStyle(cbRaised);
    const QImage image = grid.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect data = grid.visualRect(grid.gridData().cellIndex(1, 1));
    const QRect fixed = grid.visualRect(grid.gridData().cellIndex(0, 1));
    const QRgb light = grid.palette().color(QPalette::Light).rgb();
    const QRgb dark = grid.palette().color(QPalette::Dark).rgb();
    const int midY = data.center().y();
    const int midX = data.center().x();
    EXPECT_EQ(image.pixel(data.left(), midY), light);
    EXPECT_EQ(image.pixel(midX, data.top()), light);
    EXPECT_EQ(image.pixel(data.right(), midY), dark);
    EXPECT_EQ(image.pixel(midX, data.bottom()), dark);
    EXPECT_NE(image.pixel(fixed.left(), fixed.center().y()), light);
}

TEST_F(ShownGrid, FitColumnMakesRoomForTheWidestTextAndOneX)
{
    fill({QStringLiteral("short"), QStringLiteral("a much longer text")});
    grid.FitColumn(0);
    const QFontMetrics metrics = grid.fontMetrics();
    EXPECT_EQ(grid.ColWidths(0), metrics.horizontalAdvance(QStringLiteral("a much longer text"))
                                     + metrics.horizontalAdvance(QStringLiteral("x")));
}

TEST_F(ShownGrid, ImportReplacesTheCellsAndExportWritesThemBack)
{
    fill({QStringLiteral("old")});
    corvane::test::TempFolder folder;
    folder.write(QStringLiteral("in.csv"), "h1;h2;h3\na;;b\n");
    grid.ImportDelimited(folder.file(QStringLiteral("in.csv")), u';');
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.ColCount(), 3);
    EXPECT_EQ(grid.model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("h3"));
    grid.ExportDelimited(folder.file(QStringLiteral("out.csv")), u';');
    EXPECT_EQ(folder.read(QStringLiteral("out.csv")), QByteArray("h1;h2;h3\na;;b\n"));
}

TEST_F(ShownGrid, SizeAndWidthChangesAreAnnounced)
{
    fill({QStringLiteral("a")});
    int oldCols = -1, oldRows = -1, widths = 0;
    grid.OnSizeChanged = [&](TSortGrid *, int cols, int rows) {
        oldCols = cols;
        oldRows = rows;
    };
    grid.OnColumnWidthsChanged = [&](TSortGrid *) { ++widths; };
    grid.setRowCount(7);
    EXPECT_EQ(oldCols, 2);
    EXPECT_EQ(oldRows, 2);
    grid.setColWidths(1, 33);
    EXPECT_EQ(widths, 1);
    grid.setColWidths(0, 0);
    EXPECT_EQ(grid.ColWidths(0), 0);
}

TEST_F(ShownGrid, AnErrorFromAHandlerStopsTheSortAndIsReported)
{
    fill({QStringLiteral("b"), QStringLiteral("a")});
    QSignalSpy errors(&grid, &TSortGrid::failed);
    grid.OnClickSort = [](TSortGrid *, int, int, TSortOptions &) {
        throw corvane::Error(QStringLiteral("Unable to write to main.ini"));
    };
    clickHeader(0, Qt::LeftButton);
    ASSERT_EQ(errors.count(), 1);
    EXPECT_EQ(errors.at(0).at(0).value<corvane::core::Notice>().text, QStringLiteral("Unable to write to main.ini"));
    EXPECT_EQ(keys(), (QStringList{QStringLiteral("b"), QStringLiteral("a")}));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

} // namespace
