#include "shell/FixedStep.h"

#include "sim/Snake.h"

#include <gtest/gtest.h>

namespace {

// Runs frames of the given length and returns the steps each one ran.
std::vector<int> runFrames(float frameSeconds, int frames, float& accumulator) {
    std::vector<int> steps;
    for (int i = 0; i < frames; ++i) {
        accumulator = accumulateFrame(accumulator, frameSeconds);
        steps.push_back(takeSteps(accumulator));
    }
    return steps;
}

}  // namespace

TEST(FixedStep, StepsFollowTheFrameRate) {
    float accumulator = 0.0f;
    const std::vector<int> at60 = runFrames(StepSeconds, 120, accumulator);
    EXPECT_EQ(at60, std::vector<int>(120, 1));

    accumulator = 0.0f;
    const std::vector<int> at30 = runFrames(2.0f * StepSeconds, 60, accumulator);
    EXPECT_EQ(at30, std::vector<int>(60, 2));
}

TEST(FixedStep, AStallCountsAtMostAQuarterSecond) {
    float accumulator = 0.0f;
    accumulator = accumulateFrame(accumulator, 5.0f);
    EXPECT_EQ(accumulator, 0.25f);
    EXPECT_EQ(takeSteps(accumulator), 15);
    EXPECT_GE(accumulator, 0.0f);
    EXPECT_LT(accumulator, StepSeconds);
    // Then real time again.
    accumulator = accumulateFrame(accumulator, StepSeconds);
    EXPECT_EQ(takeSteps(accumulator), 1);
}

TEST(FixedStep, AShortFrameCarriesItsTime) {
    float accumulator = 0.0f;
    accumulator = accumulateFrame(accumulator, 0.0166f);
    EXPECT_EQ(takeSteps(accumulator), 0);
    EXPECT_EQ(accumulator, 0.0166f);
    accumulator = accumulateFrame(accumulator, 0.0166f);
    EXPECT_EQ(takeSteps(accumulator), 1);
    EXPECT_FLOAT_EQ(accumulator, 0.0332f - StepSeconds);
}
