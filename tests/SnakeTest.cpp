#include "TestWorld.h"

#include "bots/BotNames.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

namespace {

std::vector<sf::Vector2f> pool(MaxSnakes * MaxPoints);

void expectFoldedAt(const Snake& snake, sf::Vector2f at) {
    ASSERT_EQ(snake.pointCount, 15u);
    for (std::size_t i = 0; i < snake.pointCount; ++i) EXPECT_EQ(snake.points[i], at) << i;
}

float drawHeading() { return static_cast<float>(std::rand() % 360) * 3.1415927f / 180.0f; }

}  // namespace

TEST(Snake, BotSpawnDrawsNameColourPlaceAndHeadingInOrder) {
    ASSERT_TRUE(namesInUse.empty());
    const sf::Vector2f avoid(300.0f, -200.0f);
    bool dim[3] = {false, false, false}, retried = false;
    for (unsigned seed = 1; seed <= 8; ++seed) {
        SCOPED_TRACE(seed);
        // Replay: name, full channel, three dim draws, bright value and channel, places, heading.
        std::srand(seed);
        const int nameDraw = std::rand();
        const int full = std::rand() % 3;
        int channels[3] = {std::rand() % 100, std::rand() % 100, std::rand() % 100};
        channels[full] = 255;
        const int bright = std::rand() % 106 + 150;
        const int second = (full + 1 + std::rand() % 2) % 3;
        channels[second] = bright;
        dim[3 - full - second] = true;
        sf::Vector2f at;
        int attempts = 0;
        do {
            at = drawPlace(3000);
            ++attempts;
        } while ((at.x - avoid.x) * (at.x - avoid.x) + (at.y - avoid.y) * (at.y - avoid.y) <= 1.44e6f &&
                 attempts < 50);
        retried = retried || attempts > 1;
        const float heading = drawHeading();
        const int nextDraw = std::rand();

        std::srand(seed);
        Snake bot(3, pool.data(), L"", sf::Color::White, false);
        bot.respawn(avoid);
        EXPECT_EQ(std::rand(), nextDraw);  // nothing else drawn
        EXPECT_EQ(bot.name, botNames[static_cast<std::size_t>(nameDraw) % botNames.size()]);
        EXPECT_EQ(namesInUse.count(bot.name), 1u);
        EXPECT_EQ(bot.color, sf::Color(channels[0], channels[1], channels[2], 255));
        EXPECT_EQ(bot.points, pool.data() + 3 * MaxPoints);
        expectFoldedAt(bot, at);
        EXPECT_EQ(bot.heading, heading);
        EXPECT_EQ(bot.targetHeading, heading);
    }
    EXPECT_TRUE(dim[0] && dim[1] && dim[2] && retried);  // the seeds cover every branch
    EXPECT_TRUE(namesInUse.empty());  // each destructor handed its name back
}

TEST(Snake, PlayerSpawnTakesTheFiftiethPlaceAndResetsWhatDeathAndGrowthChanged) {
    // Nothing is far enough from a NaN: all 50 places are drawn, the last stands.
    // A player draws no name or colour first.
    std::srand(77);
    sf::Vector2f last;
    for (int attempt = 0; attempt < 50; ++attempt) last = drawPlace(3000);
    const float heading = drawHeading();
    std::srand(77);
    Snake player(0, pool.data(), L"Kai", sf::Color::Cyan, true);
    EXPECT_EQ(player.pointCount, 0u);
    EXPECT_EQ(player.shownScore, -1.0f);
    player.respawn(sf::Vector2f(NAN, NAN));
    expectFoldedAt(player, last);
    EXPECT_EQ(player.heading, heading);
    EXPECT_EQ(player.name, L"Kai");
    EXPECT_EQ(player.color, sf::Color::Cyan);
    EXPECT_TRUE(namesInUse.empty());  // the player takes no part in the registry

    player.mass = 412.0f;
    player.speed = 9.0f;
    player.boostBlend = 0.7f;
    player.shownScore = 332.0f;
    player.alive = false;
    player.boosting = true;
    player.respawnTimer = -0.01f;
    player.respawn(sf::Vector2f(0.0f, 0.0f));
    EXPECT_TRUE(player.alive);
    EXPECT_EQ(std::make_tuple(player.mass, player.speed, player.boostBlend, player.shownScore, player.score()),
              std::make_tuple(80.0f, 6.3f, 0.0f, -1.0f, 0));
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
    // Boost carries over until the next decision, the timer too.
    EXPECT_TRUE(player.boosting);
    EXPECT_EQ(player.respawnTimer, -0.01f);
}

TEST(Snake, ScoreAndWantedLengthFollowMass) {
    Snake snake(1, pool.data(), L"", sf::Color::White, false);
    const struct {
        float mass;
        int score;
        std::size_t length;
    } cases[] = {{79.5f, 0, 15},        {80.99f, 0, 17},       {81.0f, 1, 17},  {84.0f, 4, 20},
                 {200.0f, 120, 45},     {30956.0f, 30876, 511}, {30957.0f, 30877, 512},
                 {1.0e7f, 9999920, 512}};  // never negative; capped by the point slots
    for (const auto& c : cases) {
        snake.mass = c.mass;
        EXPECT_EQ(std::make_pair(snake.score(), snake.wantedLength()), std::make_pair(c.score, c.length)) << c.mass;
    }
}
