#include "render/Eyes.h"
#include "sim/Arena.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Eyes, SitBesideTheHeadWithPupilsLookingWhereTheSnakeSteersAndInwardWhileBoosting) {
    std::vector<sf::Vector2f> pool(MaxPoints);
    Snake snake{0, pool.data(), L"", sf::Color::Red, true};
    snake.pointCount = 1;
    snake.points[0] = sf::Vector2f(100.0f, -40.0f);
    const float r = 16.5333f;  // at mass 80
    const auto angle = [](sf::Vector2f from, sf::Vector2f to) { return std::atan2(to.y - from.y, to.x - from.x); };
    const auto distance = [](sf::Vector2f from, sf::Vector2f to) { return std::hypot(to.x - from.x, to.y - from.y); };
    // Heading 0.5: the whites 0.65 r out at 0.5 -/+ 0.8 (to the table's tenth of a degree). Steering 0.2 to the
    // right, the pupils 0.15 r out overshoot by 1.3.
    snake.heading = 0.5f;
    snake.targetHeading = 0.7f;
    const std::array<Eye, 2> eyes = eyesOf(snake);
    for (int side = 0; side < 2; ++side) {
        EXPECT_NEAR(distance(snake.points[0], eyes[side].white), 0.65f * r, 1e-3f);
        EXPECT_NEAR(angle(snake.points[0], eyes[side].white), side == 0 ? -0.3f : 1.3f, 2e-3f);
        EXPECT_NEAR(angle(eyes[side].white, eyes[side].pupil), 0.5f + 1.3f * 0.2f, 1e-4f);
        EXPECT_NEAR(distance(eyes[side].white, eyes[side].pupil), 0.15f * r, 1e-3f);
    }
    // Across the wrap the short way: from 3.0 toward -3.0 is +0.283.
    snake.heading = 3.0f;
    snake.targetHeading = -3.0f;
    EXPECT_NEAR(std::sin(angle(eyesOf(snake)[1].white, eyesOf(snake)[1].pupil)), std::sin(3.0f + 1.3f * 0.2831853f),
                1e-4f);
    snake.heading = snake.targetHeading = 0.0f;
    snake.boostBlend = 1.0f;
    EXPECT_NEAR(angle(eyesOf(snake)[0].white, eyesOf(snake)[0].pupil), 0.45f, 1e-4f);
    EXPECT_NEAR(angle(eyesOf(snake)[1].white, eyesOf(snake)[1].pupil), -0.45f, 1e-4f);
}
