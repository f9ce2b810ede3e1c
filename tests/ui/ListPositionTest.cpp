#include "ui/ListPosition.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

struct PositionCase
{
    const char *number;
    std::optional<int> position;
};

TEST(ListPosition, ARowNamesTheRecordOfItsNumberAndAnEmptyOrForeignCellNamesNone)
{
    const PositionCase cases[] = {
        {"3", 2}, {"1", 0}, {" 2 ", 1},
        {"", std::nullopt},  // a row the fill has not reached: never its index
        {"4", std::nullopt}, // the grid shows more records than the store holds
        {"0", std::nullopt}, {"-1", std::nullopt}, {"x", std::nullopt}, {"2x", std::nullopt},
    };
    for (const PositionCase &c : cases)
        EXPECT_EQ(corvane::ui::positionOfNumber(QString::fromUtf8(c.number), 3), c.position) << c.number;
}

} // namespace
