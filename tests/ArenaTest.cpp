#include "sim/Arena.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

TEST(Arena, TableHoldsSingleSinesThenCosinesOfTenthDegrees) {
    const TrigTable& table = trigTable();
    EXPECT_EQ(&table, &trigTable());
    EXPECT_EQ(table.cosine[0], 1.0f);
    EXPECT_EQ(table.sine[0], 0.0f);
    EXPECT_EQ(table.sine[900], std::sin(900.0f * 0.0017453294f));
    EXPECT_NEAR(table.sine[900], 1.0f, 1e-6f);
    EXPECT_EQ(table.cosine[1800], std::cos(1800.0f * 0.0017453294f));
    EXPECT_EQ(table.sine[3599], std::sin(3599.0f * 0.0017453294f));
    EXPECT_EQ(sizeof(TrigTable), 2 * 3600 * sizeof(float));
    EXPECT_EQ(reinterpret_cast<const float*>(&table)[3600], 1.0f);  // back to back
}

TEST(Arena, TableIndexTruncatesTowardZeroAndFoldsTurns) {
    const std::pair<float, int> cases[] = {{0.0f, 0},  {-0.0001f, 0},        {-0.01f, 3595},     {20.0f, 659},
                                           {-20.0f, 3600 - 659}, {3.1415927f, 1800}, {NAN, 0}};
    for (const auto& c : cases) EXPECT_EQ(tableIndex(c.first), c.second) << c.first;
    const int huge = tableIndex(1e12f);  // far past the int range, still in the table
    EXPECT_GE(huge, 0);
    EXPECT_LT(huge, 3600);
}

TEST(Arena, DegreeIndexLandsOneLowForSomeDegrees) {
    const std::pair<int, int> cases[] = {{0, 0},    {1, 9},      {2, 19},     {3, 30},     {4, 39},   {8, 79},
                                         {16, 159}, {90, 900},   {180, 1800}, {270, 2699}, {359, 3590}};
    for (const auto& c : cases) EXPECT_EQ(degreeIndex(c.first), c.second) << c.first;
    int low = 0;
    for (int d = 0; d < 360; ++d) {
        const int index = degreeIndex(d);
        EXPECT_TRUE(index == 10 * d || index == 10 * d - 1) << d;
        low += index == 10 * d - 1;
    }
    EXPECT_EQ(low, 121);
}

TEST(Arena, CellOfTruncatesThenClamps) {
    const struct {
        float x, y;
        int column, row;
    } cases[] = {{-3800.0f, -3800.0f, 0, 0}, {3799.9f, 0.0f, 49, 25},  {5000.0f, -5000.0f, 49, 0},
                 {-3900.0f, 0.0f, 0, 25},    {-3648.0f, 0.0f, 1, 25},  {-3648.01f, 0.0f, 0, 25},
                 {1e30f, -1e30f, 49, 0}};
    for (const auto& c : cases) {
        const Cell cell = cellOf(c.x, c.y);
        EXPECT_EQ(std::make_pair(cell.column, cell.row), std::make_pair(c.column, c.row)) << c.x << " " << c.y;
    }
    EXPECT_EQ(cellOf(3799.9f, 0.0f).index(), 25 * 50 + 49);
}
