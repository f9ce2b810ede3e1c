#include "ui/FieldGrowth.h"

#include <gtest/gtest.h>

#include <ostream>

using corvane::ui::grownFieldWidth;

namespace {

struct GrowthCase
{
    const char *what;
    int textWidth;
    int left;
    int parentWidth;
    int expected;
};

void PrintTo(const GrowthCase &c, std::ostream *os)
{
    *os << c.what;
}

class FieldGrowth : public ::testing::TestWithParam<GrowthCase>
{
};

TEST_P(FieldGrowth, GrowsToTheTextButStaysWithinTheParentAndAtLeastTheDesignWidth)
{
    const GrowthCase &c = GetParam();
    EXPECT_EQ(grownFieldWidth(c.textWidth, c.left, c.parentWidth, 121), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Widths, FieldGrowth,
    ::testing::Values(GrowthCase{"short text keeps the design width", 40, 10, 500, 121},
                      GrowthCase{"long text grows to text plus margin", 200, 10, 500, 210},
                      GrowthCase{"text wider than the parent stops at its right edge", 900, 100, 500, 400},
                      GrowthCase{"a parent too narrow never shrinks the field", 900, 450, 500, 121}));

} // namespace
