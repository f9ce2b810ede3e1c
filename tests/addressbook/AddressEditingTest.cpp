#include "addressbook/AddressEditing.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <optional>

using namespace corvane::addressbook;
using corvane::core::Notice;

namespace {

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
