#include "shell/WindowLayout.h"

#include <gtest/gtest.h>

#include <ostream>

using namespace corvane::shell::layout;

namespace {

TEST(WindowLayout, CentringHalvesRoundTowardZero)
{
    EXPECT_EQ(centredLeft(600, 75), 263); // 300 - 37
    EXPECT_EQ(centredLeft(601, 75), 263);
    EXPECT_EQ(centredLeft(50, 75), -12); // wider than its container: sticks out on both sides
}

TEST(WindowLayout, AddressButtonsSit43PixelsEitherSideOfTheCentre)
{
    EXPECT_EQ(addressButtonLeft(600, 75, false), 220);
    EXPECT_EQ(addressButtonLeft(600, 75, true), 306);
}

struct BoxCase
{
    const char *what;
    int left;
    int width;
    int paneWidth;
    int expected;
};

void PrintTo(const BoxCase &c, std::ostream *os)
{
    *os << c.what;
}

class ComposeBoxWidth : public ::testing::TestWithParam<BoxCase>
{
};

TEST_P(ComposeBoxWidth, ShortensToThePaneEdgeOrFallsBackTo150)
{
    const BoxCase &c = GetParam();
    EXPECT_EQ(composeBoxWidth(c.left, c.width, c.paneWidth), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Widths, ComposeBoxWidth,
    ::testing::Values(BoxCase{"sticking out with room is cut at the edge", 100, 400, 300, 200},
                      BoxCase{"exactly 50 px of room is still used", 250, 150, 300, 50},
                      BoxCase{"less than 50 px of room gives 150", 260, 150, 300, 150},
                      BoxCase{"a box that fits returns to 150", 100, 120, 600, 150}));

} // namespace
