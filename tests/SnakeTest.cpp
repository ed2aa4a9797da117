#include "bots/BotNames.h"
#include "sim/Arena.h"
#include "sim/Snake.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

std::vector<sf::Vector2f> pool(MaxSnakes * MaxPoints);

void expectFoldedAt(const Snake& snake, sf::Vector2f at) {
    ASSERT_EQ(snake.pointCount, 15u);
    for (std::size_t i = 0; i < snake.pointCount; ++i) {
        EXPECT_EQ(snake.points[i].x, at.x) << i;
        EXPECT_EQ(snake.points[i].y, at.y) << i;
    }
}

// What a bot's spawn must come to, replayed draw by draw.
struct Spawn {
    int nameDraw;
    sf::Color color;
    int dimChannel;
    int attempts = 0;
    sf::Vector2f place;
    float heading;
    int nextDraw;
};

Spawn replayBotSpawn(unsigned seed, sf::Vector2f avoid) {
    std::srand(seed);
    Spawn spawn;
    spawn.nameDraw = std::rand();
    const int full = std::rand() % 3;
    int channels[3] = {std::rand() % 100, std::rand() % 100, std::rand() % 100};
    channels[full] = 255;
    const int bright = std::rand() % 106 + 150;
    const int second = (full + 1 + std::rand() % 2) % 3;
    channels[second] = bright;
    spawn.color = sf::Color(channels[0], channels[1], channels[2], 255);
    spawn.dimChannel = 3 - full - second;
    do {
        const int index = degreeIndex(std::rand() % 360);
        const float distance = static_cast<float>(std::rand() % 3000);
        spawn.place = {distance * trigTable().cosine[index], distance * trigTable().sine[index]};
        ++spawn.attempts;
        const float dx = spawn.place.x - avoid.x;
        const float dy = spawn.place.y - avoid.y;
        if (dx * dx + dy * dy > 1.44e6f) break;
    } while (spawn.attempts < 50);
    spawn.heading = static_cast<float>(std::rand() % 360) * 3.1415927f / 180.0f;
    spawn.nextDraw = std::rand();
    return spawn;
}

}  // namespace

TEST(Snake, BotSpawnDrawsNameColourPlaceAndHeadingInOrder) {
    ASSERT_TRUE(namesInUse.empty());
    const sf::Vector2f avoid(300.0f, -200.0f);
    bool dim[3] = {false, false, false};
    bool retried = false;
    for (unsigned seed = 1; seed <= 8; ++seed) {
        const Spawn expected = replayBotSpawn(seed, avoid);
        dim[expected.dimChannel] = true;
        retried = retried || expected.attempts > 1;

        std::srand(seed);
        Snake bot(3, pool.data(), L"", sf::Color::White, false);
        bot.respawn(avoid);
        EXPECT_EQ(std::rand(), expected.nextDraw) << seed;  // nothing else drawn
        EXPECT_EQ(bot.name, botNames[static_cast<std::size_t>(expected.nameDraw) % botNames.size()]);
        EXPECT_EQ(namesInUse.count(bot.name), 1u);
        EXPECT_EQ(bot.color, expected.color) << seed;
        EXPECT_EQ(bot.points, pool.data() + 3 * MaxPoints);
        expectFoldedAt(bot, expected.place);
        EXPECT_EQ(bot.heading, expected.heading);
        EXPECT_EQ(bot.targetHeading, expected.heading);
    }
    // The seeds cover every dim channel and a rejected spawn point.
    EXPECT_TRUE(dim[0] && dim[1] && dim[2]);
    EXPECT_TRUE(retried);
    EXPECT_TRUE(namesInUse.empty());  // each destructor handed its name back
}

TEST(Snake, SpawnPlaceIsTakenAfterFiftyFailedAttempts) {
    // No point can be far enough from a NaN, so all 50 attempts run and the
    // last one stands. A player draws no name or colour first: 100 draws for
    // the place, then the heading.
    std::srand(77);
    sf::Vector2f last;
    for (int attempt = 0; attempt < 50; ++attempt) {
        const int index = degreeIndex(std::rand() % 360);
        const float distance = static_cast<float>(std::rand() % 3000);
        last = {distance * trigTable().cosine[index], distance * trigTable().sine[index]};
    }
    const float heading = static_cast<float>(std::rand() % 360) * 3.1415927f / 180.0f;

    std::srand(77);
    Snake player(0, pool.data(), L"Kai", sf::Color::Cyan, true);
    player.respawn(sf::Vector2f(NAN, NAN));
    expectFoldedAt(player, last);
    EXPECT_EQ(player.heading, heading);
    // The player keeps its name and colour and takes no part in the registry.
    EXPECT_EQ(player.name, L"Kai");
    EXPECT_EQ(player.color, sf::Color::Cyan);
    EXPECT_TRUE(namesInUse.empty());
}

TEST(Snake, RespawnResetsWhatDeathAndGrowthChanged) {
    Snake player(0, pool.data(), L"Kai", sf::Color::Cyan, true);
    EXPECT_EQ(player.pointCount, 0u);
    EXPECT_EQ(player.shownScore, -1.0f);
    std::srand(5);
    player.respawn(sf::Vector2f(0.0f, 0.0f));
    player.mass = 412.0f;
    player.speed = 9.0f;
    player.boostBlend = 0.7f;
    player.shownScore = 332.0f;
    player.alive = false;
    player.boosting = true;
    player.respawnTimer = -0.01f;
    player.respawn(sf::Vector2f(0.0f, 0.0f));
    EXPECT_TRUE(player.alive);
    EXPECT_EQ(player.mass, 80.0f);
    EXPECT_EQ(player.speed, 6.3f);
    EXPECT_EQ(player.boostBlend, 0.0f);
    EXPECT_EQ(player.shownScore, -1.0f);
    EXPECT_EQ(player.score(), 0);
    EXPECT_NEAR(player.radiusSquared, 273.3511f, 1e-3f);
    const sf::Vector2f at = player.points[0];
    expectFoldedAt(player, at);
    EXPECT_LT(std::hypot(at.x, at.y), 3000.0f);
    // A square around the folded body, radius + 10 on each side.
    const float half = 16.5333f + 10.0f;
    EXPECT_NEAR(player.bounds.left, at.x - half, 1e-3f);
    EXPECT_NEAR(player.bounds.top, at.y - half, 1e-3f);
    EXPECT_NEAR(player.bounds.width, 2.0f * half, 1e-3f);
    EXPECT_NEAR(player.bounds.height, 2.0f * half, 1e-3f);
    // Left alone: boost carries over until the next decision, timers too.
    EXPECT_TRUE(player.boosting);
    EXPECT_EQ(player.respawnTimer, -0.01f);
}

TEST(Snake, ScoreAndWantedLengthFollowMass) {
    Snake snake(1, pool.data(), L"", sf::Color::White, false);
    const auto at = [&](float mass) {
        snake.mass = mass;
        return std::make_pair(snake.score(), snake.wantedLength());
    };
    EXPECT_EQ(at(79.5f), std::make_pair(0, std::size_t{15}));  // never negative
    EXPECT_EQ(at(80.99f), std::make_pair(0, std::size_t{17}));
    EXPECT_EQ(at(81.0f), std::make_pair(1, std::size_t{17}));
    EXPECT_EQ(at(84.0f), std::make_pair(4, std::size_t{20}));
    EXPECT_EQ(at(200.0f), std::make_pair(120, std::size_t{45}));
    EXPECT_EQ(at(30956.0f).second, 511u);
    EXPECT_EQ(at(30957.0f).second, 512u);
    EXPECT_EQ(at(1.0e7f).second, 512u);  // capped by the point slots
}
