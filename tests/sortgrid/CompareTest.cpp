#include "sortgrid/SortCompare.h"

#include <gtest/gtest.h>

using namespace corvane::sortgrid;

namespace {

const KeyConverter &cLocale()
{
    static const KeyConverter converter{QLocale::c()};
    return converter;
}

TSortedListEntry entry(const char *key, int row)
{
    return {QString::fromUtf8(key), row};
}

struct CompareCase
{
    const char *a;
    const char *b;
    TSortOptions options;
    int expected;
};

class CompareEntriesRule : public ::testing::TestWithParam<CompareCase>
{};

TEST_P(CompareEntriesRule, GivesTheExpectedOrder)
{
    const CompareCase &c = GetParam();
    EXPECT_EQ(CompareEntries(entry(c.a, 1), entry(c.b, 2), c.options, cLocale()), c.expected)
        << c.a << " vs " << c.b;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, CompareEntriesRule,
    ::testing::Values(
        // Byte order puts capitals first only when case counts.
        CompareCase{"Zebra", "apple", {skText, soAscending, true}, -1},
        CompareCase{"Zebra", "apple", {skText, soAscending, false}, 1},
        // A prefix comes first; descending turns it round.
        CompareCase{"abc", "abcd", {skText, soAscending, true}, -1},
        CompareCase{"abc", "abcd", {skText, soDescending, true}, 1},
        // Only ASCII letters are upper-cased.
        CompareCase{"\xc3\xa9", "\xc3\x89", {skText, soAscending, false}, 1},
        // Numbers compare by value, not text.
        CompareCase{"9", "10", {skNumeric, soAscending, true}, -1},
        CompareCase{"9", "10", {skText, soAscending, true}, 1},
        CompareCase{"-1.5", "1e-3", {skNumeric, soAscending, true}, -1},
        // Equal keys keep their former order in both directions.
        CompareCase{"same", "same", {skText, soAscending, true}, -1},
        CompareCase{"same", "same", {skText, soDescending, true}, -1},
        CompareCase{"SAME", "same", {skText, soDescending, false}, -1},
        CompareCase{"10", "10.0", {skNumeric, soDescending, true}, -1},
        // A key that does not convert under a forced kind compares equal.
        CompareCase{"x", "1", {skNumeric, soDescending, true}, -1},
        CompareCase{"7 Dec 2026", "1 Jan 2027", {skDateTime, soAscending, true}, -1},
        CompareCase{"7 Dec 2026 14:05:09", "7 Dec 2026", {skDateTime, soAscending, true}, 1},
        CompareCase{"7 Dec 2026 14:05:09", "7 Dec 2026", {skDateTime, soDescending, true}, -1}));

TEST(CompareEntries, TieBreakFollowsFormerRowsWhicheverComesFirst)
{
    const TSortOptions descending{skText, soDescending, true};
    EXPECT_EQ(CompareEntries(entry("k", 5), entry("k", 2), descending, cLocale()), 1);
    EXPECT_EQ(CompareEntries(entry("k", 2), entry("k", 5), descending, cLocale()), -1);
}

struct KindCase
{
    QStringList cells;
    TSortStyle expected;
};

class ColumnKind : public ::testing::TestWithParam<KindCase>
{};

TEST_P(ColumnKind, IsDetectedFromEveryCell)
{
    EXPECT_EQ(GuessColumnKind(GetParam().cells, cLocale()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Columns, ColumnKind,
    ::testing::Values(
        KindCase{{QStringLiteral("10"), QStringLiteral("9"), QStringLiteral("100")}, skNumeric},
        KindCase{{QStringLiteral("10"), QStringLiteral("9"), QStringLiteral("")}, skText},
        KindCase{{QStringLiteral(" 1.5 "), QStringLiteral("-2"), QStringLiteral("3e2")}, skNumeric},
        KindCase{{QStringLiteral("1,000"), QStringLiteral("2")}, skText},
        KindCase{{QStringLiteral("7 Dec 2026 14:05:09"), QStringLiteral("1 Jan 2025")}, skDateTime},
        KindCase{{QStringLiteral("7 Dec 2026"), QStringLiteral("2026-12-07T10:00:00")}, skDateTime},
        KindCase{{QStringLiteral("7 Dec 2026"), QStringLiteral("soon")}, skText},
        KindCase{{QStringLiteral("Read"), QStringLiteral("Unread")}, skText}));

std::vector<int> order(const QStringList &keys, TSortOptions options)
{
    std::vector<QStringView> views;
    for (const QString &k : keys)
        views.push_back(k);
    return SortedOrder(views, options, cLocale());
}

TEST(SortedOrder, AgreesWithThePairwiseComparison)
{
    const QStringList keys = {QStringLiteral("b"), QStringLiteral("B"), QStringLiteral("a"),
                              QStringLiteral("abcde"), QStringLiteral("abcdf"), QStringLiteral("ABCDE"),
                              QStringLiteral(""), QStringLiteral("b"), QStringLiteral("Zz")};
    for (const bool caseSensitive : {true, false}) {
        for (const TSortDirection direction : {soAscending, soDescending}) {
            const TSortOptions options{skText, direction, caseSensitive};
            const std::vector<int> sorted = order(keys, options);
            for (std::size_t i = 1; i < sorted.size(); ++i) {
                const TSortedListEntry a{keys[sorted[i - 1]], sorted[i - 1]};
                const TSortedListEntry b{keys[sorted[i]], sorted[i]};
                EXPECT_EQ(CompareEntries(a, b, options, cLocale()), -1)
                    << "position " << i << " case " << caseSensitive << " direction " << int(direction);
            }
        }
    }
}

TEST(SortedOrder, KeysThatDoNotConvertKeepTheirPlacesUnderAForcedKind)
{
    const QStringList keys = {QStringLiteral("5"), QStringLiteral("n/a"), QStringLiteral("3"),
                              QStringLiteral("4"), QStringLiteral("")};
    EXPECT_EQ(order(keys, {skNumeric, soAscending, true}), (std::vector<int>{2, 1, 3, 0, 4}));
    EXPECT_EQ(order(keys, {skNumeric, soDescending, true}), (std::vector<int>{0, 1, 3, 2, 4}));
}

TEST(SortedOrder, EqualValuesKeepTheirOrderInBothDirections)
{
    const QStringList keys = {QStringLiteral("2"), QStringLiteral("2.0"), QStringLiteral("1"),
                              QStringLiteral("+2")};
    EXPECT_EQ(order(keys, {skNumeric, soAscending, true}), (std::vector<int>{2, 0, 1, 3}));
    EXPECT_EQ(order(keys, {skNumeric, soDescending, true}), (std::vector<int>{0, 1, 3, 2}));
}

} // namespace
