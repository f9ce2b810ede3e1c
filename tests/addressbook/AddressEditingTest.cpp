#include "addressbook/AddressEditing.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <optional>

using namespace corvane::addressbook;
using corvane::core::Notice;

namespace {

struct PositionCase
{
    const char *addressNo;
    int row;
    std::optional<int> position;
};

TEST(AddressEditing, ARowNamesTheEntryOfItsAddressNumberNeverOfItsIndex)
{
    const PositionCase cases[] = {
        {"3", 1, 2},             // a sorted grid: row 1 shows entry 3
        {"1", 3, 0},
        {"", 2, 1},              // not filled yet: the row index counts
        {"4", 1, std::nullopt},  // the grid shows more entries than the store holds
        {"0", 1, std::nullopt},
        {"x", 1, std::nullopt},
        {"1", 0, std::nullopt},  // the header row
        {"1", -1, std::nullopt}, // no row
    };
    for (const PositionCase &c : cases)
        EXPECT_EQ(addressPosition(QString::fromUtf8(c.addressNo), c.row, 3), c.position)
            << c.addressNo << " in row " << c.row;
}

TEST(AddressEditing, PrevAndNextStopAtTheFirstAndLastDataRow)
{
    // A grid of a header row and three data rows.
    EXPECT_EQ(steppedRow(2, 4, -1), 1);
    EXPECT_EQ(steppedRow(1, 4, -1), 1);
    EXPECT_EQ(steppedRow(2, 4, +1), 3);
    EXPECT_EQ(steppedRow(3, 4, +1), 3);
}

TEST(AddressEditing, SaveRefusesOnlyANameThatCannotBeAFileName)
{
    for (const char *name : {"Ann", "Ann Smith", "", "o'Brien"})
        EXPECT_EQ(saveRefusal({QString::fromUtf8(name), QStringLiteral("no such folder"), {}, false}), std::nullopt)
            << name;
    for (const char *name : {"Ann/Bob", "Ann?", "CON", "COM", "Ann.", "a\tb"}) {
        const std::optional<Notice> refused = saveRefusal({QString::fromUtf8(name), {}, {}, false});
        ASSERT_TRUE(refused) << name;
        EXPECT_EQ(refused->kind, Notice::Kind::Warning);
        EXPECT_TRUE(refused->text.contains(nameCannotBeFileName(QString::fromUtf8(name)))) << refused->text.toStdString();
    }
}

} // namespace
