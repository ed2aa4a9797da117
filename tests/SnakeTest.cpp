#include "TestWorld.h"

#include "bots/BotNames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

namespace {

std::vector<sf::Vector2f> pool(MaxSnakes* MaxPoints);

float squaredDistance(sf::Vector2f a, sf::Vector2f b) {
    return (a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y);
}

}  // namespace

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
        EXPECT_GT(squaredDistance(bot.points[14], avoided), 1200.0f * 1200.0f) << i;
        EXPECT_LT(squaredDistance(bot.points[14], {0.0f, 0.0f}), 3000.0f * 3000.0f) << i;
        // One channel full, one of the others 150 or more, the third under 100.
        int channels[] = {bot.color.r, bot.color.g, bot.color.b};
        std::sort(channels, channels + 3);
        EXPECT_TRUE(channels[0] < 100 && channels[1] >= 150 && channels[2] == 255) << i;
    }
}

TEST(Snake, APlayerRespawnKeepsNameColourAndBoostAndStartsFoldedAtMass80AndSpeed63) {
    Snake player(0, pool.data(), L"Kai", sf::Color::Magenta, true);
    player.mass = 412.0f;
    player.speed = 9.0f;
    player.alive = false;
    player.boosting = true;  // a boost carries over until the next decision
    player.respawn({0.0f, 0.0f});
    EXPECT_EQ(std::make_tuple(player.name, player.color, player.alive, player.boosting, player.mass, player.speed),
              std::make_tuple(std::wstring(L"Kai"), sf::Color::Magenta, true, true, 80.0f, 6.3f));
    EXPECT_EQ(std::make_tuple(player.pointCount, player.points[14], player.targetHeading),
              std::make_tuple(std::size_t{15}, player.points[0], player.heading));
    EXPECT_NEAR(player.bounds.width, 53.0667f, 1e-3f);  // the radius of 16.5333 and 10 more on each side
}

TEST(Snake, ScoreAndWantedLengthFollowMass) {
    Snake snake(1, pool.data(), L"", sf::Color::White, false);
    const struct {
        float mass;
        int score;
        std::size_t length;
    } cases[] = {{79.5f, 0, 15},         {80.99f, 0, 17},        {81.0f, 1, 17},
                 {30956.0f, 30876, 511}, {30957.0f, 30877, 512}, {1.0e7f, 9999920, 512}};
    for (const auto& c : cases) {
        snake.mass = c.mass;
        EXPECT_EQ(std::make_pair(snake.score(), snake.wantedLength()), std::make_pair(c.score, c.length)) << c.mass;
    }
}
