#include "sortgrid/DateFormatReader.h"
#include "sortgrid/KeyConverter.h"

#include "platform/DateText.h"

#include <gtest/gtest.h>

using namespace corvane::sortgrid;
using corvane::platform::dateTimeText;
using corvane::platform::parseDateTimeText;

namespace {

double keyOf(const QDateTime &when)
{
    return dateTimeKey(when.date().year(), when.date().month(), when.date().day(),
                       when.time().msecsSinceStartOfDay());
}

const QList<QDateTime> &sampleTimes()
{
    static const QList<QDateTime> times = {
        QDateTime(QDate(2026, 12, 7), QTime(14, 5, 9)), QDateTime(QDate(2025, 1, 31), QTime(0, 0)),
        QDateTime(QDate(2024, 2, 29), QTime(0, 0, 1)), QDateTime(QDate(1999, 7, 4), QTime(12, 30, 0)),
        QDateTime(QDate(2030, 11, 2), QTime(23, 59, 59))};
    return times;
}

TEST(KeyConverter, ReadsBackTheProgramsDateTextInEveryLocale)
{
    const QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    ASSERT_GT(locales.size(), 100);
    QStringList unread;
    for (const QLocale &locale : locales) {
        const KeyConverter converter(locale);
        for (const QDateTime &when : sampleTimes()) {
            const QString text = dateTimeText(when, locale);
            const auto read = converter.toDateTime(text);
            // Where the general reader takes a text, both agree.
            const auto general = parseDateTimeText(text, locale);
            if (general && read) {
                EXPECT_EQ(*read, keyOf(*general)) << locale.name().toStdString() << " " << text.toStdString();
            }
            if (!read || *read != keyOf(when))
                unread.append(locale.name() + u' ' + text);
        }
    }
    EXPECT_TRUE(unread.isEmpty()) << unread.size() << " not read back, e.g. "
                                  << unread.mid(0, 100).join(QStringLiteral(" | ")).toStdString();
}

TEST(KeyConverter, ReadsTheCommonLocalesWithoutTheGeneralReader)
{
    const QLocale locales[] = {QLocale::c(), QLocale(QLocale::English, QLocale::UnitedStates),
                               QLocale(QLocale::English, QLocale::UnitedKingdom), QLocale(QLocale::German),
                               QLocale(QLocale::French), QLocale(QLocale::Japanese), QLocale(QLocale::Dutch),
                               QLocale(QLocale::Spanish), QLocale(QLocale::Chinese)};
    for (const QLocale &locale : locales) {
        const QString format =
            corvane::platform::shortDateFormat(locale) + u' ' + corvane::platform::timeWithSecondsFormat(locale);
        const auto reader = DateFormatReader::compile(format, locale);
        ASSERT_TRUE(reader.has_value()) << locale.name().toStdString() << " " << format.toStdString();
        const QDateTime when = sampleTimes().front();
        EXPECT_EQ(reader->read(dateTimeText(when, locale)), keyOf(when)) << locale.name().toStdString();
    }
}

TEST(KeyConverter, CLocaleDatesReadInAnyLocale)
{
    const KeyConverter german(QLocale(QLocale::German));
    const QDateTime when(QDate(2026, 12, 7), QTime(14, 5, 9));
    EXPECT_EQ(german.toDateTime(dateTimeText(when, QLocale::c())), keyOf(when));
    EXPECT_EQ(german.toDateTime(QStringLiteral("2026-12-07T14:05:09")), keyOf(when));
}

class NotADate : public ::testing::TestWithParam<const char *>
{};

TEST_P(NotADate, IsRefused)
{
    const QString text = QString::fromUtf8(GetParam());
    EXPECT_FALSE(KeyConverter(QLocale(QLocale::English, QLocale::UnitedStates)).toDateTime(text).has_value()) << GetParam();
    EXPECT_FALSE(KeyConverter(QLocale::c()).toDateTime(text).has_value()) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Texts, NotADate,
                         ::testing::Values("", "12", "2/30/2026", "13/1/2026", "7 Foo 2026", "7 Dec 2026 25:00:00",
                                           "12/7/2026 13:05:09 PM", "7 Dec 2026 14:05", "Dec 7", "hello"));

TEST(KeyConverter, ReadsNumbersWithTheLocalesSeparatorAndDigits)
{
    const QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    for (QLocale locale : locales) {
        locale.setNumberOptions(QLocale::OmitGroupSeparator);
        const KeyConverter converter(locale);
        for (const double value : {0.0, -1234.5, 99.25, 100000.0}) {
            const QString text = locale.toString(value, 'f', 2);
            const auto read = converter.toNumber(text);
            ASSERT_TRUE(read.has_value()) << locale.name().toStdString() << " " << text.toStdString();
            EXPECT_EQ(*read, value) << locale.name().toStdString() << " " << text.toStdString();
        }
    }
}

struct NumberCase
{
    QLocale::Language language;
    const char *text;
    std::optional<double> expected;
};

class NumberText : public ::testing::TestWithParam<NumberCase>
{};

TEST_P(NumberText, ConvertsAsTheLocaleSays)
{
    const NumberCase &c = GetParam();
    const QLocale locale = c.language == QLocale::C ? QLocale::c() : QLocale(c.language);
    EXPECT_EQ(KeyConverter(locale).toNumber(QString::fromUtf8(c.text)), c.expected) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumberText,
    ::testing::Values(NumberCase{QLocale::C, "9", 9.0}, NumberCase{QLocale::C, " -2.5 ", -2.5},
                      NumberCase{QLocale::C, "+.5", 0.5}, NumberCase{QLocale::C, "5.", 5.0},
                      NumberCase{QLocale::C, "1e3", 1000.0}, NumberCase{QLocale::C, "1E-2", 0.01},
                      NumberCase{QLocale::C, "", std::nullopt}, NumberCase{QLocale::C, ".", std::nullopt},
                      NumberCase{QLocale::C, "1e", std::nullopt}, NumberCase{QLocale::C, "1,000", std::nullopt},
                      NumberCase{QLocale::C, "1.2.3", std::nullopt}, NumberCase{QLocale::C, "12abc", std::nullopt},
                      NumberCase{QLocale::C, "1e999", std::nullopt}, NumberCase{QLocale::C, "0x10", std::nullopt},
                      NumberCase{QLocale::German, "1,5", 1.5}, NumberCase{QLocale::German, "1.5", std::nullopt},
                      NumberCase{QLocale::English, "1.5", 1.5}));

} // namespace
