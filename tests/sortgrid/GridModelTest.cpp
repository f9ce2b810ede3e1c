#include "sortgrid/CellLayout.h"
#include "sortgrid/DelimitedText.h"
#include "sortgrid/GridFill.h"
#include "sortgrid/StringGridModel.h"

#include "platform/Errors.h"

#include "support/EventWait.h"
#include "support/TempFolder.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace corvane::sortgrid;
using corvane::test::TempFolder;

namespace {

void fillNumbered(StringGridModel &model, int cols, int rows)
{
    model.setGridColumnCount(cols);
    model.setGridRowCount(rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            model.setCells(c, r, QStringLiteral("%1.%2").arg(c).arg(r));
}

TEST(StringGridModel, ShowsDataRowsAsRowsAndFixedRowsAsTheHeader)
{
    StringGridModel model;
    fillNumbered(model, 2, 3);
    model.setFixedRows(1);
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.columnCount(), 2);
    EXPECT_EQ(model.data(model.index(0, 1)).toString(), QStringLiteral("1.1"));
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("1.0"));
    EXPECT_EQ(model.Cells(5, 5), QString());
    EXPECT_THROW(model.setCells(2, 0, QStringLiteral("x")), corvane::Error);
}

TEST(StringGridModel, MovesExchangesAndDeletesRowsWhole)
{
    StringGridModel model;
    fillNumbered(model, 2, 7);
    model.MoveRow(5, 2);
    model.MoveRow(3, 5); // these two moves exchange rows 2 and 5
    EXPECT_EQ(model.Cols(1), (QStringList{QStringLiteral("1.0"), QStringLiteral("1.1"), QStringLiteral("1.5"),
                                          QStringLiteral("1.3"), QStringLiteral("1.4"), QStringLiteral("1.2"),
                                          QStringLiteral("1.6")}));
    model.DeleteRow(1);
    EXPECT_EQ(model.gridRowCount(), 6);
    EXPECT_EQ(model.Cells(0, 1), QStringLiteral("0.5"));
    model.MoveColumn(1, 0);
    EXPECT_EQ(model.Rows(0), (QStringList{QStringLiteral("1.0"), QStringLiteral("0.0")}));
}

TEST(StringGridModel, FindsTextColumnByColumnWithoutRegardToCase)
{
    StringGridModel model;
    model.setGridColumnCount(2);
    model.setGridRowCount(2);
    model.setCells(1, 0, QStringLiteral("Ärger"));
    model.setCells(0, 1, QStringLiteral("ärger"));
    int col = -1, row = -1;
    ASSERT_TRUE(model.findText(QStringLiteral("ÄRGER"), col, row));
    EXPECT_EQ(col, 0);
    EXPECT_EQ(row, 1);
    EXPECT_FALSE(model.findText(QStringLiteral("none"), col, row));
}

TEST(StringGridModel, UpdatesAreAnnouncedOnceAtTheEnd)
{
    StringGridModel model;
    fillNumbered(model, 3, 100);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.BeginUpdate();
    for (int r = 10; r < 50; ++r)
        model.setCells(1, r, QStringLiteral("x"));
    EXPECT_EQ(changed.count(), 0);
    model.EndUpdate();
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).value<QModelIndex>().row(), 10);
    EXPECT_EQ(changed.at(0).at(1).value<QModelIndex>().row(), 49);
}

TEST(DelimitedText, ImportsAnEmptyFieldBetweenTwoSeparatorsAndExportsTheSameLine)
{
    TempFolder folder;
    folder.write(QStringLiteral("in.txt"), "a;;b\r\nc\n");
    StringGridModel model;
    fillNumbered(model, 5, 5);
    ImportDelimited(model, folder.file(QStringLiteral("in.txt")), u';');
    EXPECT_EQ(model.gridRowCount(), 2);
    EXPECT_EQ(model.gridColumnCount(), 3);
    EXPECT_EQ(model.Rows(0), (QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")}));
    EXPECT_EQ(model.Rows(1), (QStringList{QStringLiteral("c"), QString(), QString()}));

    ExportDelimited(model, folder.file(QStringLiteral("out.txt")), u';');
    EXPECT_EQ(folder.read(QStringLiteral("out.txt")), QByteArray("a;;b\nc;;\n"));
}

TEST(DelimitedText, AMissingFileLeavesTheCellsClearedAndSaysWhy)
{
    TempFolder folder;
    StringGridModel model;
    fillNumbered(model, 2, 2);
    try {
        ImportDelimited(model, folder.file(QStringLiteral("missing.txt")), u',');
        FAIL() << "no error";
    } catch (const corvane::IoError &error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("missing.txt")));
    }
    EXPECT_EQ(model.Cells(1, 1), QString());
}

TEST(DelimitedText, ReadsWindows1252WhenTheFileIsNotUtf8)
{
    TempFolder folder;
    folder.write(QStringLiteral("in.txt"), "caf\xe9,\x80");
    StringGridModel model;
    ImportDelimited(model, folder.file(QStringLiteral("in.txt")), u',');
    EXPECT_EQ(model.Rows(0), (QStringList{QStringLiteral("café"), QStringLiteral("€")}));
}

TEST(DelimitedText, SplitsLinesAtEveryKindOfBreak)
{
    EXPECT_EQ(textLines(QStringLiteral("a\r\nb\rc\nd")).size(), 4);
    EXPECT_EQ(textLines(QStringLiteral("a\n\nb\n")), (QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")}));
    EXPECT_TRUE(textLines(QString()).isEmpty());
}

struct OffsetCase
{
    TAlignment horizontal;
    TVertAlignment vertical;
    QPoint expected;
};

class CellTextOffset : public ::testing::TestWithParam<OffsetCase>
{};

TEST_P(CellTextOffset, PlacesTheTextInAnEightyPixelCell)
{
    const OffsetCase &c = GetParam();
    EXPECT_EQ(cellTextOffset(c.horizontal, c.vertical, QSize(80, 21), QSize(30, 13)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Alignments, CellTextOffset,
                         ::testing::Values(OffsetCase{taRightJustify, taTopJustify, QPoint(48, 2)},
                                           OffsetCase{taLeftJustify, taTopJustify, QPoint(2, 2)},
                                           OffsetCase{taCenter, taMiddle, QPoint(25, 4)},
                                           OffsetCase{taLeftJustify, taBottomJustify, QPoint(2, 5)}));

TEST(CellTextOffset, CentringATextWiderThanTheCellRoundsTowardZero)
{
    EXPECT_EQ(cellTextOffset(taCenter, taMiddle, QSize(10, 10), QSize(15, 13)), QPoint(-2, -1));
}

TEST(GridFill, FillsInStepsBetweenBlocksOfRowsAndFinishesOnce)
{
    StringGridModel model;
    model.setGridColumnCount(2);
    model.setGridRowCount(20001);
    GridFill fill;
    QSignalSpy steps(&fill, &GridFill::progress);
    QSignalSpy finished(&fill, &GridFill::finished);
    fill.start(model, 1, 20000, [](int i, QStringList &cells) {
        cells << QString::number(i) << QStringLiteral("x");
        return true;
    }, {.sliceMs = 0}); // a step after each block of rows
    EXPECT_TRUE(fill.isRunning()) << "start returns after the first block";
    EXPECT_TRUE(model.isFilling());
    ASSERT_TRUE(corvane::test::runEventsUntil(&fill, &GridFill::finished, [&] { return !fill.isRunning(); }));
    ASSERT_EQ(finished.size(), 1);
    EXPECT_EQ(finished[0][0].value<GridFill::Result>(), GridFill::Result::Completed);
    EXPECT_EQ(model.Cells(0, 20000), QStringLiteral("19999"));
    EXPECT_GT(steps.size(), 0);
    EXPECT_LE(steps.size(), 20000 / 64);
    EXPECT_FALSE(model.isFilling());
}

TEST(GridFill, ANewerFillOfTheGridSupersedesARunningOne)
{
    StringGridModel model;
    model.setGridColumnCount(1);
    model.setGridRowCount(1000);
    GridFill older;
    GridFill newer;
    QSignalSpy olderEnd(&older, &GridFill::finished);
    older.start(model, 0, 1000, [](int, QStringList &cells) {
        cells << QStringLiteral("old");
        return true;
    }, {.sliceMs = 0});
    newer.start(model, 0, 1000, [](int, QStringList &cells) {
        cells << QStringLiteral("new");
        return true;
    });
    EXPECT_FALSE(newer.isRunning()) << "a short list fills before start returns";
    ASSERT_TRUE(olderEnd.wait(5000));
    EXPECT_EQ(olderEnd[0][0].value<GridFill::Result>(), GridFill::Result::Superseded);
    EXPECT_EQ(model.Cells(0, 999), QStringLiteral("new"));
    EXPECT_FALSE(model.isFilling());
}

} // namespace
