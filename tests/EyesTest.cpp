#include "render/Eyes.h"
#include "sim/Arena.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Eyes, SitBesideTheHeadWithPupilsLookingWhereTheSnakeSteersAndInwardWhileBoosting) {
    std::vector<sf::Vector2f> pool(MaxPoints);
    Snake snake{0, pool.data(), L"", sf::Color::Red, true};
    snake.pointCount = 1;
    snake.points[0] = sf::Vector2f(100.0f, -40.0f);
    const float r = std::sqrt(snake.radiusSquared);
    const auto pupilAngle = [](const Eye& eye) {
        return std::atan2(eye.pupil.y - eye.white.y, eye.pupil.x - eye.white.x);
    };
    // Steering 0.2 to the right of heading 0.5: the pupils, 0.15 r out, overshoot by 1.3.
    snake.heading = 0.5f;
    snake.targetHeading = 0.7f;
    const std::array<Eye, 2> eyes = eyesOf(snake);
    for (int side = 0; side < 2; ++side) {
        const int index = tableIndex(0.5f + (side == 0 ? -0.8f : 0.8f));
        EXPECT_EQ(eyes[side].white, sf::Vector2f(100.0f + 0.65f * r * trigTable().cosine[index],
                                                 -40.0f + 0.65f * r * trigTable().sine[index]));
        EXPECT_NEAR(pupilAngle(eyes[side]), 0.5f + 1.3f * 0.2f, 1e-4f);
        EXPECT_NEAR(std::hypot(eyes[side].pupil.x - eyes[side].white.x, eyes[side].pupil.y - eyes[side].white.y),
                    0.15f * r, 1e-4f);
    }
    // Across the wrap the short way: from 3.0 toward -3.0 is +0.283.
    snake.heading = 3.0f;
    snake.targetHeading = -3.0f;
    EXPECT_NEAR(std::sin(pupilAngle(eyesOf(snake)[1])), std::sin(3.0f + 1.3f * 0.2831853f), 1e-4f);
    snake.heading = snake.targetHeading = 0.0f;
    snake.boostBlend = 1.0f;
    EXPECT_NEAR(pupilAngle(eyesOf(snake)[0]), 0.45f, 1e-4f);
    EXPECT_NEAR(pupilAngle(eyesOf(snake)[1]), -0.45f, 1e-4f);
}
