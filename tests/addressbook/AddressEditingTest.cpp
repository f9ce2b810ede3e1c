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

TEST(AddressEditing, SaveRefusesNoNameANameNoFileCanHaveAndNoInboxNamingTheFieldToCorrect)
{
    using Field = SaveRefusal::Field;
    const struct
    {
        const char *name;
        const char *inbox;
        std::optional<Field> refused;
    } cases[] = {
        {"Ann", "no such folder", std::nullopt}, {"Ann Smith", "/s/ann/", std::nullopt},
        {"o'Brien", "/s/ob/", std::nullopt},     {"", "/s/ann/", Field::Name},
        {"  ", "/s/ann/", Field::Name},          {"Ann/Bob", "/s/ann/", Field::Name},
        {"Ann?", "", Field::Name},               {"CON", "/s/con/", Field::Name},
        {"Ann.", "/s/ann/", Field::Name},        {"a\tb", "/s/ab/", Field::Name},
        {"Ann", "", Field::Inbox},               {"Ann", " ", Field::Inbox},
    };
    for (const auto &c : cases) {
        const QString name = QString::fromUtf8(c.name);
        const std::optional<SaveRefusal> refused = saveRefusal({name, QString::fromUtf8(c.inbox), {}, false});
        ASSERT_EQ(refused.has_value(), c.refused.has_value()) << c.name << "/" << c.inbox;
        if (!refused)
            continue;
        EXPECT_EQ(refused->field, *c.refused) << c.name;
        EXPECT_EQ(refused->notice.kind, Notice::Kind::Warning) << c.name;
        EXPECT_EQ(refused->notice.code, Notice::Code::AddressRefused) << c.name;
        if (*c.refused == Field::Name && !name.trimmed().isEmpty())
            EXPECT_TRUE(refused->notice.text.contains(nameCannotBeFileName(name))) << refused->notice.text.toStdString();
    }
}

} // namespace
