#include "shell/FixedStep.h"

#include "sim/Snake.h"

#include <gtest/gtest.h>

TEST(FixedStep, StepsFollowTheFrameTimeAStallCountsAQuarterSecondAndShortFramesCarry) {
    float accumulator = 0.0f;
    int steps = 0;
    for (int frame = 0; frame < 120; ++frame) {
        accumulator = accumulateFrame(accumulator, StepSeconds);
        steps += takeSteps(accumulator) == 1;
    }
    EXPECT_EQ(steps, 120);  // exact at 60 Hz: no step lost or doubled in two seconds
    accumulator = accumulateFrame(0.0f, 5.0f);
    EXPECT_EQ(accumulator, 0.25f);
    EXPECT_EQ(takeSteps(accumulator), 15);
    EXPECT_TRUE(accumulator >= 0.0f && accumulator < StepSeconds);
    accumulator = accumulateFrame(0.0f, 0.0166f);
    EXPECT_EQ(takeSteps(accumulator), 0);
    accumulator = accumulateFrame(accumulator, 0.0166f);
    EXPECT_EQ(takeSteps(accumulator), 1);
    EXPECT_FLOAT_EQ(accumulator, 0.0332f - StepSeconds);
}
