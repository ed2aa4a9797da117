#include "sim/Arena.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

TEST(Arena, IndicesTruncateTowardZeroFoldTurnsAndLandOneLowForSomeDegrees) {
    const std::pair<float, int> radians[] = {{0.0f, 0},      {-0.0001f, 0},      {-0.01f, 3595}, {20.0f, 659},
                                             {-20.0f, 2941}, {3.1415927f, 1800}, {NAN, 0}};
    for (const auto& c : radians) EXPECT_EQ(tableIndex(c.first), c.second) << c.first;
    const int huge = tableIndex(1e12f);  // far past the int range, still in the table
    EXPECT_TRUE(huge >= 0 && huge < 3600);
    const std::pair<int, int> degrees[] = {{0, 0}, {1, 9}, {3, 30}, {4, 39}, {90, 900}, {270, 2699}, {359, 3590}};
    for (const auto& c : degrees) EXPECT_EQ(degreeIndex(c.first), c.second) << c.first;
    int low = 0;
    for (int d = 0; d < 360; ++d) {
        EXPECT_TRUE(degreeIndex(d) == 10 * d || degreeIndex(d) == 10 * d - 1) << d;
        low += degreeIndex(d) == 10 * d - 1;
    }
    EXPECT_EQ(low, 121);
    // Entry i is at i x 0.0017453294 rad in single precision: entry 2700 lies 4.9e-7 past 3 pi / 2.
    EXPECT_NEAR(trigTable().cosine[2700], 4.888e-7f, 1e-9f);
}

TEST(Arena, CellOfTruncatesThenClamps) {
    const std::tuple<float, float, int, int> cases[] = {{-3800.0f, -3800.0f, 0, 0}, {3799.9f, 0.0f, 49, 25},
                                                        {5000.0f, -5000.0f, 49, 0}, {-3648.0f, 0.0f, 1, 25},
                                                        {-3648.01f, 0.0f, 0, 25},   {1e30f, NAN, 49, 0}};
    for (const auto& [x, y, column, row] : cases) {
        const Cell cell = cellOf(x, y);
        EXPECT_EQ(std::make_pair(cell.column, cell.row), std::make_pair(column, row)) << x << " " << y;
    }
    EXPECT_EQ(cellOf(3799.9f, 0.0f).index(), 25 * 50 + 49);
}
