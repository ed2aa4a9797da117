#include "TestWorld.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<sf::Vector2f> pool(MaxSnakes * MaxPoints);
const PlayerInput noInput;

PlayerInput mouseAt(float x, float y, bool button = false) {
    PlayerInput input;
    input.mouseOffset = {x, y};
    input.leftButton = button;
    return input;
}

struct Movement : ::testing::Test {
    Snake player{0, pool.data(), L"Kai", sf::Color::Cyan, true};
    Snake bot{1, pool.data(), L"", sf::Color::White, false};
};

}  // namespace

TEST_F(Movement, TurnsTheShortWayByAFractionThatFallsWithMass) {
    const struct {
        float mass, heading, target;
        bool boost;
        float expected, tolerance;
    } cases[] = {
        {80.0f, 0.0f, 3.0f * Pi / 2.0f, false, -Pi / 2.0f * 0.22f, 1e-6f},
        {80.0f, 40.0f, 40.0f + 4.0f * TwoPi - 0.5f, false, 40.0f - 0.5f * 0.22f, 1e-4f},  // never wrapped
        {200.0f, 0.0f, 1.0f, true, (0.22f - 120.0f / 15000.0f) * 1.25f, 1e-6f},  // boost: a quarter faster
        {2705.0f, 0.0f, 1.0f, false, 0.045f, 1e-6f},  // the floor rate
        {9000.0f, 0.0f, 1.0f, false, 0.045f, 1e-6f},
    };
    for (const auto& c : cases) {
        place(bot, {0.0f, 0.0f}, c.heading, c.mass);
        bot.targetHeading = c.target;
        bot.boosting = c.boost;
        bot.move(noInput);
        EXPECT_NEAR(bot.heading, c.expected, c.tolerance) << c.mass << " " << c.heading;
    }
}

TEST_F(Movement, PlayerReadsMouseOrStickFromItsInputAndBotsIgnoreIt) {
    place(player, {0.0f, 0.0f}, 0.0f, 80.0f);
    player.targetHeading = 0.25f;
    player.move(mouseAt(3.0f, 1.0f));  // squared offset 10: inside the dead zone
    EXPECT_EQ(player.targetHeading, 0.25f);
    player.move(mouseAt(3.0f, 1.01f));
    EXPECT_FLOAT_EQ(player.targetHeading, std::atan2(1.01f, 3.0f));
    PlayerInput pad;
    pad.useStick = true;
    pad.mouseOffset = {0.0f, 500.0f};  // ignored while the stick rules
    player.move(pad);
    EXPECT_FLOAT_EQ(player.targetHeading, std::atan2(1.01f, 3.0f));
    pad.stick = {-60.0f, 0.0f};
    player.move(pad);
    EXPECT_FLOAT_EQ(player.targetHeading, Pi);

    place(bot, {0.0f, 0.0f}, 0.0f, 500.0f);
    bot.targetHeading = 0.5f;
    bot.move(mouseAt(-100.0f, 0.0f, true));
    EXPECT_EQ(bot.targetHeading, 0.5f);
    EXPECT_FALSE(bot.boosting);
}

TEST_F(Movement, PlayerBoostsOnlyAbove120AndPaysForIt) {
    place(player, {0.0f, 0.0f}, 0.0f, 120.0f);
    player.move(mouseAt(50.0f, 0.0f, true));
    EXPECT_FALSE(player.boosting);
    EXPECT_EQ(player.mass, 120.0f);
    place(player, {0.0f, 0.0f}, 0.0f, 120.01f);
    player.move(mouseAt(50.0f, 0.0f, true));
    EXPECT_TRUE(player.boosting);
    EXPECT_EQ(player.mass, 120.01f - 0.45f);
    EXPECT_EQ(player.radiusSquared, radiusSquaredFor(120.01f - 0.45f));
    player.move(mouseAt(50.0f, 0.0f, true));
    EXPECT_FALSE(player.boosting);

    // On the pad, button 1 boosts as well as button 0.
    place(player, {0.0f, 0.0f}, 0.0f, 300.0f);
    PlayerInput pad;
    pad.useStick = pad.button1 = true;
    player.move(pad);
    EXPECT_TRUE(player.boosting);
    pad.button1 = false;
    player.move(pad);
    EXPECT_FALSE(player.boosting);
}

TEST_F(Movement, SpeedEasesTowardBoostSpeed) {
    place(bot, {0.0f, 0.0f}, 0.0f, 30000.0f);
    bot.boosting = true;
    int steps = 0;
    for (; !(bot.speed > 11.0f); ++steps) {
        if (steps == 60) {
            EXPECT_NEAR(bot.speed, 10.26f, 0.005f);
        }
        bot.move(noInput);
    }
    EXPECT_EQ(steps, 91);
    EXPECT_LT(bot.mass, 30000.0f - 90 * 0.45f);
    bot.boosting = false;
    const float mass = bot.mass;
    bot.move(noInput);
    EXPECT_LT(bot.speed, 11.0f);
    EXPECT_EQ(bot.mass, mass);
}

TEST_F(Movement, BodyUnfoldsAtItsSpacingGrowsOnePointPerStepAndShrinksAtOnce) {
    place(bot, {100.0f, 50.0f}, 0.0f, 80.0f);
    const float spacing = bot.radius() * 0.04f + 7.8f;
    EXPECT_NEAR(spacing, 8.4613f, 1e-4f);
    bot.move(noInput);  // heading 0 reads cosine 1 and sine 0: along +x
    EXPECT_EQ(bot.points[0], sf::Vector2f(100.0f + 6.3f, 50.0f));
    EXPECT_EQ(bot.points[1], sf::Vector2f(100.0f, 50.0f));  // 6.3 is within the spacing
    bot.move(noInput);
    const float head2 = bot.points[0].x;
    EXPECT_GT(head2 - 100.0f, spacing);
    EXPECT_NEAR(bot.points[1].x, 100.0f + (head2 - spacing - 100.0f) * 0.92f, 1e-4f);
    EXPECT_EQ(bot.points[1].y, 50.0f);
    EXPECT_EQ(bot.points[2], sf::Vector2f(100.0f, 50.0f));

    place(bot, {0.0f, 0.0f}, 0.0f, 84.0f);
    for (std::size_t expected = 16; expected <= 20; ++expected) {
        bot.move(noInput);
        ASSERT_EQ(bot.pointCount, expected);
        EXPECT_EQ(bot.points[expected - 1], bot.points[expected - 2]);  // the tail copied
    }
    bot.move(noInput);
    EXPECT_EQ(bot.pointCount, 20u);
    bot.mass = 80.0f;
    bot.move(noInput);
    EXPECT_EQ(bot.pointCount, 15u);
}
