#include "sim/Arena.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Arena, TableHoldsSingleSineAndCosineOfTenthDegrees) {
    const TrigTable& table = trigTable();
    EXPECT_EQ(&table, &trigTable());
    EXPECT_EQ(table.cosine[0], 1.0f);
    EXPECT_EQ(table.sine[0], 0.0f);
    EXPECT_EQ(table.sine[900], std::sin(900.0f * 0.0017453294f));
    EXPECT_NEAR(table.sine[900], 1.0f, 1e-6f);
    EXPECT_EQ(table.cosine[1800], std::cos(1800.0f * 0.0017453294f));
    EXPECT_EQ(table.sine[3599], std::sin(3599.0f * 0.0017453294f));
    // Sines first, cosines after, back to back.
    EXPECT_EQ(sizeof(TrigTable), 2 * 3600 * sizeof(float));
    EXPECT_EQ(reinterpret_cast<const float*>(&table)[3600], 1.0f);
}

TEST(Arena, TableIndexTruncatesTowardZeroAndFoldsTurns) {
    EXPECT_EQ(tableIndex(0.0f), 0);
    EXPECT_EQ(tableIndex(-0.0001f), 0);
    EXPECT_EQ(tableIndex(-0.01f), 3595);
    EXPECT_EQ(tableIndex(20.0f), 659);
    EXPECT_EQ(tableIndex(-20.0f), 3600 - 659);
    EXPECT_EQ(tableIndex(3.1415927f), 1800);
    // Far past the int range the index stays defined and in the table.
    const int huge = tableIndex(1e12f);
    EXPECT_GE(huge, 0);
    EXPECT_LT(huge, 3600);
    EXPECT_EQ(tableIndex(NAN), 0);
}

TEST(Arena, DegreeIndexLandsOneLowForSomeDegrees) {
    EXPECT_EQ(degreeIndex(0), 0);
    EXPECT_EQ(degreeIndex(1), 9);
    EXPECT_EQ(degreeIndex(2), 19);
    EXPECT_EQ(degreeIndex(3), 30);
    EXPECT_EQ(degreeIndex(4), 39);
    EXPECT_EQ(degreeIndex(8), 79);
    EXPECT_EQ(degreeIndex(16), 159);
    EXPECT_EQ(degreeIndex(90), 900);
    EXPECT_EQ(degreeIndex(180), 1800);
    EXPECT_EQ(degreeIndex(270), 2699);
    EXPECT_EQ(degreeIndex(359), 3590);
    int low = 0;
    for (int d = 0; d < 360; ++d) {
        const int index = degreeIndex(d);
        EXPECT_TRUE(index == 10 * d || index == 10 * d - 1) << d;
        low += index == 10 * d - 1;
    }
    EXPECT_EQ(low, 121);
}

TEST(Arena, CellOfTruncatesThenClamps) {
    const Cell corner = cellOf(-3800.0f, -3800.0f);
    EXPECT_EQ(corner.column, 0);
    EXPECT_EQ(corner.row, 0);
    const Cell edge = cellOf(3799.9f, 0.0f);
    EXPECT_EQ(edge.column, 49);
    EXPECT_EQ(edge.row, 25);
    EXPECT_EQ(edge.index(), 25 * 50 + 49);
    const Cell outside = cellOf(5000.0f, -5000.0f);
    EXPECT_EQ(outside.column, 49);
    EXPECT_EQ(outside.row, 0);
    EXPECT_EQ(cellOf(-3900.0f, 0.0f).column, 0);
    EXPECT_EQ(cellOf(-3648.0f, 0.0f).column, 1);
    EXPECT_EQ(cellOf(-3648.01f, 0.0f).column, 0);
    EXPECT_EQ(cellOf(1e30f, -1e30f).column, 49);
    EXPECT_EQ(cellOf(1e30f, -1e30f).row, 0);
}
