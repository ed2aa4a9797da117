#include "TestWorld.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<sf::Vector2f> pool(MaxSnakes* MaxPoints);

PlayerInput mouseAt(float x, float y, bool button = false) {
    PlayerInput input;
    input.mouseOffset = {x, y};
    input.leftButton = button;
    return input;
}

}  // namespace

TEST(Movement, TurnsTheShortWayByAFractionThatFallsWithMassRisesWithBoostAndNeverWrapsTheHeading) {
    Snake bot{1, pool.data(), L"", sf::Color::White, false};
    const struct {
        float mass, heading, target;
        bool boost;
        float expected;
    } cases[] = {{80.0f, 0.0f, 3.0f * Pi / 2.0f, false, -Pi / 2.0f * 0.22f},
                 {80.0f, 40.0f, 40.0f + 4.0f * TwoPi - 0.5f, false, 40.0f - 0.5f * 0.22f},
                 {2705.0f, 0.0f, 1.0f, false, 0.045f}};  // the floor rate
    for (const auto& c : cases) {
        place(bot, {0.0f, 0.0f}, c.heading, c.mass);
        bot.targetHeading = c.target;
        bot.boosting = c.boost;
        bot.move(PlayerInput{});
        EXPECT_NEAR(bot.heading, c.expected, 1e-5f) << c.mass << " " << c.heading;
    }
    // Boosting eases the speed from 6.3 toward 11.8: past 11 on the 91st step.
    place(bot, {0.0f, 0.0f}, 0.0f, 30000.0f);
    bot.speed = 6.3f;
    bot.boosting = true;
    int steps = 0;
    for (; !(bot.speed > 11.0f); ++steps) bot.move(PlayerInput{});
    EXPECT_EQ(steps, 91);
}

TEST(Movement, ThePlayerSteersByMouseOrStickAndBoostsAbove120PayingForIt) {
    Snake player{0, pool.data(), L"Kai", sf::Color::Cyan, true};
    place(player, {0.0f, 0.0f}, 0.0f, 120.0f);
    player.targetHeading = 0.25f;
    player.move(mouseAt(3.0f, 1.0f, true));  // squared offset 10: inside the dead zone
    EXPECT_EQ(std::make_tuple(player.targetHeading, player.boosting, player.mass),
              std::make_tuple(0.25f, false, 120.0f));
    player.mass = 120.01f;
    player.move(mouseAt(3.0f, 1.01f, true));
    EXPECT_FLOAT_EQ(player.targetHeading, std::atan2(1.01f, 3.0f));
    const float mouseHeading = player.targetHeading;
    EXPECT_EQ(std::make_tuple(player.boosting, player.mass, player.radiusSquared),
              std::make_tuple(true, 120.01f - 0.45f, radiusSquaredFor(120.01f - 0.45f)));
    PlayerInput pad;
    pad.useStick = pad.button1 = true;
    pad.mouseOffset = {0.0f, 500.0f};  // ignored while the stick rules; a stick at rest keeps the heading
    player.mass = 300.0f;
    player.move(pad);
    EXPECT_EQ(std::make_pair(player.targetHeading, player.boosting), std::make_pair(mouseHeading, true));
    pad.stick = {-60.0f, 0.0f};
    pad.button1 = false;
    player.move(pad);
    EXPECT_EQ(std::make_pair(player.targetHeading, player.boosting), std::make_pair(Pi, false));
}
