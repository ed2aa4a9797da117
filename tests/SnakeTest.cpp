#include "TestWorld.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

TEST(Snake, ARespawnLandsMoreThan1200FromTheLivePlayersHeadOrElseFromTheCentre) {
    auto world = quietWorld(77);
    Snake& player = world->player();
    Snake& bot = *world->snakes[1];
    place(player, {-600.0f, 0.0f}, 0.0f, 80.0f);  // runs right, 6.3 a step, before the bot respawns
    for (int i = 0; i < 250; ++i) {
        if (i == 200) player.alive = false;
        player.respawnTimer = 1.0e9f;
        bot.alive = false;
        bot.respawnTimer = 0.01f;
        world->step(0.0f, PlayerInput{});
        ASSERT_EQ(std::make_pair(bot.alive, player.alive), std::make_pair(true, i < 200));
        const sf::Vector2f avoided = player.alive ? player.points[0] : sf::Vector2f(0.0f, 0.0f);
        EXPECT_TRUE(distance(bot.points[14], avoided) > 1200.0f && distance(bot.points[14], {}) < 3000.0f) << i;
        // One channel full, one of the others 150 or more, the third under 100.
        int channels[] = {bot.color.r, bot.color.g, bot.color.b};
        std::sort(channels, channels + 3);
        EXPECT_TRUE(channels[0] < 100 && channels[1] >= 150 && channels[2] == 255) << i;
    }
}

TEST(Snake, ScoreAndWantedLengthFollowMass) {
    Snake snake(1, loosePool.data(), L"", sf::Color::White, false);
    const std::tuple<float, int, std::size_t> cases[] = {{79.5f, 0, 15},         {80.99f, 0, 17},
                                                         {81.0f, 1, 17},         {30956.0f, 30876, 511},
                                                         {30957.0f, 30877, 512}, {1.0e7f, 9999920, 512}};
    for (const auto& [mass, score, length] : cases) {
        snake.mass = mass;
        EXPECT_EQ(std::make_pair(snake.score(), snake.wantedLength()), std::make_pair(score, length)) << mass;
    }
}

TEST(Movement, TurnsTheShortWayByAFractionThatFallsWithMassRisesWithBoostAndNeverWrapsTheHeading) {
    Snake bot{1, loosePool.data(), L"", sf::Color::White, false};
    // Mass, heading, target, boosting, and the heading after one step.
    const std::tuple<float, float, float, bool, float> cases[] = {
        {80.0f, 0.0f, 3.0f * Pi / 2.0f, false, -Pi / 2.0f * 0.22f},
        {80.0f, 40.0f, 40.0f + 4.0f * TwoPi - 0.5f, false, 40.0f - 0.5f * 0.22f},
        {80.0f, 0.0f, 1.0f, true, 0.275f},  // 1.25 x 0.22 while boosting
        // 0.22 - (mass - 80) / 15000, at least 0.045 (the 0.18 cap on the share of mass lies below that)
        {60.0f, 0.0f, 1.0f, false, 0.2213333f},
        {2000.0f, 0.0f, 1.0f, false, 0.092f},
        {10000.0f, 0.0f, 1.0f, false, 0.045f}};
    for (const auto& [mass, heading, target, boosting, expected] : cases) {
        place(bot, {0.0f, 0.0f}, heading, mass);
        bot.targetHeading = target;
        bot.boosting = boosting;
        bot.move(PlayerInput{});
        EXPECT_NEAR(bot.heading, expected, 1e-5f) << mass << " " << heading;
    }
}

TEST(Movement, TheBodyTrailsAtItsSpacingGrowsAPointAStepAtTheTailAndShrinksAtOnce) {
    Snake bot{1, loosePool.data(), L"", sf::Color::White, false};
    // Mass 80: radius 16.5333, spacing 16.5333 x 0.04 + 7.8 = 8.4613. At 6.3 a step each point closes 92 % of its
    // gap beyond the spacing, so a straight run settles at gaps of 8.4613 + 0.08 x 6.3 / 0.92 = 9.0091.
    place(bot, {0.0f, 0.0f}, 0.7f, 80.0f);
    for (int step = 0; step < 60; ++step) bot.move(PlayerInput{});
    ASSERT_EQ(bot.pointCount, 15u);
    EXPECT_NEAR(distance(bot.points[0], {}), 378.0f, 1e-3f);
    for (std::size_t k = 1; k < 15; ++k) EXPECT_NEAR(distance(bot.points[k - 1], bot.points[k]), 9.0091f, 1e-3f) << k;
    // A pellet of 4 eaten: mass 84 wants trunc(sqrt(32) + 15) = 20 points, one more a step, copied from the tail.
    bot.mass = 84.0f;
    bot.move(PlayerInput{});
    EXPECT_EQ(std::make_pair(bot.pointCount, bot.points[15]), std::make_pair(std::size_t{16}, bot.points[14]));
    for (std::size_t wanted : {17, 18, 19, 20, 20}) {
        bot.move(PlayerInput{});
        EXPECT_EQ(bot.pointCount, wanted);
    }
    // Boosting from mass 200 (45 points) costs 0.45 a step: below 192.5, on the 17th step, 44 points are wanted.
    place(bot, {0.0f, 0.0f}, 0.0f, 200.0f, 45, 9.0f);
    bot.boosting = true;
    for (int step = 1; step <= 17; ++step) {
        bot.move(PlayerInput{});
        EXPECT_EQ(bot.pointCount, step < 17 ? 45u : 44u) << step;
    }
    EXPECT_NEAR(bot.mass, 192.35f, 1e-3f);
    bot.mass = 80.0f;  // the body drops to what the mass wants in one step
    bot.move(PlayerInput{});
    EXPECT_EQ(bot.pointCount, 15u);
}

TEST(Movement, ThePlayerSteersByMouseOrStickAndBoostsAbove120PayingForIt) {
    Snake player{0, loosePool.data(), L"Kai", sf::Color::Cyan, true};
    place(player, {0.0f, 0.0f}, 0.0f, 120.0f);
    player.targetHeading = 0.25f;
    PlayerInput mouse;
    mouse.leftButton = true;
    mouse.mouseOffset = {3.0f, 1.0f};  // squared offset 10: inside the dead zone
    player.move(mouse);
    EXPECT_EQ(std::make_tuple(player.targetHeading, player.boosting, player.mass),
              std::make_tuple(0.25f, false, 120.0f));
    player.mass = 120.01f;
    mouse.mouseOffset = {3.0f, 1.01f};
    player.move(mouse);
    EXPECT_FLOAT_EQ(player.targetHeading, std::atan2(1.01f, 3.0f));
    const float mouseHeading = player.targetHeading;
    EXPECT_EQ(std::make_pair(player.boosting, player.mass), std::make_pair(true, 120.01f - 0.45f));
    EXPECT_NEAR(player.radiusSquared, 282.1415f, 1e-3f);  // (119.56 / 150 + 16)^2
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
    pad.button0 = true;  // either button boosts
    player.move(pad);
    EXPECT_TRUE(player.boosting);
}
