#include "render/Eyes.h"
#include "sim/Arena.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct Eyes : ::testing::Test {
    Eyes() {
        snake.pointCount = 1;
        snake.points[0] = sf::Vector2f(100.0f, -40.0f);
    }
    std::vector<sf::Vector2f> pool = std::vector<sf::Vector2f>(MaxPoints);
    Snake snake{0, pool.data(), L"", sf::Color::Red, true};
    const float r = std::sqrt(snake.radiusSquared);
};

float pupilAngle(const Eye& eye) { return std::atan2(eye.pupil.y - eye.white.y, eye.pupil.x - eye.white.x); }

}  // namespace

TEST_F(Eyes, EyesSitBesideTheHeadAndPupilsLookWhereTheSnakeSteers) {
    snake.heading = snake.targetHeading = 0.5f;
    const std::array<Eye, 2> eyes = eyesOf(snake);
    const TrigTable& table = trigTable();
    for (int side = 0; side < 2; ++side) {
        const int index = tableIndex(0.5f + (side == 0 ? -0.8f : 0.8f));
        EXPECT_EQ(eyes[side].white, sf::Vector2f(100.0f + 0.65f * r * table.cosine[index],
                                                 -40.0f + 0.65f * r * table.sine[index]));
        // Straight ahead: both pupils point along the heading, 0.15 r out.
        EXPECT_NEAR(pupilAngle(eyes[side]), 0.5f, 1e-4f);
        EXPECT_NEAR(std::hypot(eyes[side].pupil.x - eyes[side].white.x, eyes[side].pupil.y - eyes[side].white.y),
                    0.15f * r, 1e-4f);
    }
    // Steering 0.2 to the right: the pupils overshoot to 1.3 x 0.2.
    snake.targetHeading = 0.7f;
    EXPECT_NEAR(pupilAngle(eyesOf(snake)[0]), 0.5f + 0.26f, 1e-4f);
    // Across the wrap, the short way: from 3.0 toward -3.0 is +0.283.
    snake.heading = 3.0f;
    snake.targetHeading = -3.0f;
    const float q = 3.0f + 1.3f * (-3.0f - 3.0f + 6.2831855f);
    EXPECT_NEAR(std::cos(pupilAngle(eyesOf(snake)[1])), std::cos(q), 1e-4f);
    EXPECT_NEAR(std::sin(pupilAngle(eyesOf(snake)[1])), std::sin(q), 1e-4f);
}

TEST_F(Eyes, BoostingTurnsThePupilsInward) {
    snake.boostBlend = 1.0f;
    const std::array<Eye, 2> eyes = eyesOf(snake);
    // The left eye (above on screen, y up is negative) looks down, the right one up.
    EXPECT_NEAR(pupilAngle(eyes[0]), 0.45f, 1e-4f);
    EXPECT_NEAR(pupilAngle(eyes[1]), -0.45f, 1e-4f);
    EXPECT_LT(eyes[0].white.y, snake.points[0].y);
    EXPECT_GT(eyes[1].white.y, snake.points[0].y);
}
