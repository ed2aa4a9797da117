#include "TestWorld.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

std::vector<sf::Vector2f> pool(MaxSnakes* MaxPoints);

float distance(sf::Vector2f a, sf::Vector2f b) {
    return std::hypot(a.x - b.x, a.y - b.y);
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
        EXPECT_TRUE(distance(bot.points[14], avoided) > 1200.0f && distance(bot.points[14], {}) < 3000.0f) << i;
        // One channel full, one of the others 150 or more, the third under 100.
        int channels[] = {bot.color.r, bot.color.g, bot.color.b};
        std::sort(channels, channels + 3);
        EXPECT_TRUE(channels[0] < 100 && channels[1] >= 150 && channels[2] == 255) << i;
    }
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
