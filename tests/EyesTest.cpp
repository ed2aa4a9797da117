#include "render/Eyes.h"
#include "sim/Arena.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct EyeSnake {
    EyeSnake() : snake(0, pool.data(), L"", sf::Color::Red, true) {
        snake.pointCount = 1;
        snake.points[0] = sf::Vector2f(100.0f, -40.0f);
    }
    std::vector<sf::Vector2f> pool = std::vector<sf::Vector2f>(MaxPoints);
    Snake snake;
};

float pupilAngle(const Eye& eye) {
    const sf::Vector2f d = eye.pupil - eye.white;
    return std::atan2(d.y, d.x);
}

}  // namespace

TEST(Eyes, EyesSitBesideTheHeadAndPupilsLookWhereTheSnakeSteers) {
    EyeSnake test;
    Snake& snake = test.snake;
    const float r = std::sqrt(snake.radiusSquared);
    snake.heading = 0.5f;
    snake.targetHeading = 0.5f;
    const std::array<Eye, 2> eyes = eyesOf(snake);
    const TrigTable& table = trigTable();
    const int left = tableIndex(0.5f - 0.8f);
    EXPECT_EQ(eyes[0].white, sf::Vector2f(100.0f + 0.65f * r * table.cosine[left], -40.0f + 0.65f * r * table.sine[left]));
    const int right = tableIndex(0.5f + 0.8f);
    EXPECT_EQ(eyes[1].white, sf::Vector2f(100.0f + 0.65f * r * table.cosine[right], -40.0f + 0.65f * r * table.sine[right]));
    // Straight ahead: both pupils point along the heading, 0.15 r out.
    for (const Eye& eye : eyes) {
        EXPECT_NEAR(pupilAngle(eye), 0.5f, 1e-4f);
        const sf::Vector2f d = eye.pupil - eye.white;
        EXPECT_NEAR(std::hypot(d.x, d.y), 0.15f * r, 1e-4f);
    }

    // Steering 0.2 to the right: the pupils overshoot to 1.3 x 0.2.
    snake.targetHeading = 0.7f;
    EXPECT_NEAR(pupilAngle(eyesOf(snake)[0]), 0.5f + 0.26f, 1e-4f);

    // Across the wrap, the short way: from 3.0 toward -3.0 is +0.283.
    snake.heading = 3.0f;
    snake.targetHeading = -3.0f;
    const float d = -3.0f - 3.0f + 6.2831855f;
    const float q = 3.0f + 1.3f * d;
    EXPECT_NEAR(std::cos(pupilAngle(eyesOf(snake)[1])), std::cos(q), 1e-4f);
    EXPECT_NEAR(std::sin(pupilAngle(eyesOf(snake)[1])), std::sin(q), 1e-4f);
}

TEST(Eyes, BoostingTurnsThePupilsInward) {
    EyeSnake test;
    Snake& snake = test.snake;
    snake.heading = 0.0f;
    snake.targetHeading = 0.0f;
    snake.boostBlend = 1.0f;
    const std::array<Eye, 2> eyes = eyesOf(snake);
    // The left eye (above on screen, y up is negative) looks down, the right one up.
    EXPECT_NEAR(pupilAngle(eyes[0]), 0.45f, 1e-4f);
    EXPECT_NEAR(pupilAngle(eyes[1]), -0.45f, 1e-4f);
    EXPECT_LT(eyes[0].white.y, snake.points[0].y);
    EXPECT_GT(eyes[1].white.y, snake.points[0].y);
}
