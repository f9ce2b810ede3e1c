#include "platform/DateText.h"

#include <gtest/gtest.h>

using namespace corvane::platform;

namespace {

class DateTextInLocale : public ::testing::TestWithParam<QLocale::Language>
{};

TEST_P(DateTextInLocale, ReadsBackWhatItWritesToTheSecond)
{
    const QLocale locale(GetParam());
    const QDateTime when(QDate(2026, 12, 7), QTime(14, 5, 9));
    const QString text = dateTimeText(when, locale);
    EXPECT_TRUE(text.contains(QStringLiteral("2026"))) << text.toStdString();
    const auto back = parseDateTimeText(text, locale);
    ASSERT_TRUE(back.has_value()) << text.toStdString();
    EXPECT_EQ(*back, when) << text.toStdString();
}

TEST_P(DateTextInLocale, MidnightGivesTheDateAlone)
{
    const QLocale locale(GetParam());
    const QDateTime midnight(QDate(2025, 1, 31), QTime(0, 0));
    const QString text = dateTimeText(midnight, locale);
    EXPECT_EQ(text, locale.toString(midnight.date(), shortDateFormat(locale)));
    EXPECT_EQ(parseDateTimeText(text, locale), midnight);
}

INSTANTIATE_TEST_SUITE_P(Locales, DateTextInLocale,
                         ::testing::Values(QLocale::C, QLocale::English, QLocale::German,
                                           QLocale::French, QLocale::Japanese));

TEST(DateText, EnglishUsesShortDateBlankAndTimeWithSeconds)
{
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(dateTimeText(QDateTime(QDate(2026, 3, 4), QTime(15, 6, 7)), us),
              QStringLiteral("3/4/2026 3:06:07 PM"));
}

TEST(DateText, OtherTextIsNoDate)
{
    EXPECT_FALSE(parseDateTimeText(QStringLiteral("hello")).has_value());
    EXPECT_FALSE(parseDateTimeText(QStringLiteral("")).has_value());
    EXPECT_FALSE(parseDateTimeText(QStringLiteral("12")).has_value());
}

} // namespace
