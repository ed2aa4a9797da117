#include "TestWorld.h"

#include "sim/BotNames.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

std::vector<sf::Vector2f> pool(MaxSnakes* MaxPoints);

float drawHeading() {
    return static_cast<float>(std::rand() % 360) * 3.1415927f / 180.0f;
}

}  // namespace

TEST(Snake, PlayerSpawnTakesTheFiftiethPlaceAndResetsWhatDeathAndGrowthChanged) {
    // Nothing is far enough from a NaN: all 50 places are drawn, the last stands.
    std::srand(77);
    sf::Vector2f last;
    for (int attempt = 0; attempt < 50; ++attempt) last = drawPlace(3000);
    const float heading = drawHeading();
    std::srand(77);
    Snake player(0, pool.data(), L"Kai", sf::Color::Cyan, true);
    player.mass = 412.0f;
    player.speed = 9.0f;
    player.boostBlend = 0.7f;
    player.shownScore = 332.0f;
    player.alive = false;
    player.boosting = true;
    player.respawn(sf::Vector2f(NAN, NAN));
    EXPECT_EQ(std::make_tuple(player.points[0], player.points[14], player.heading, player.name, player.color),
              std::make_tuple(last, last, heading, std::wstring(L"Kai"), sf::Color::Cyan));
    EXPECT_EQ(std::make_tuple(player.alive, player.mass, player.speed, player.boostBlend, player.shownScore),
              std::make_tuple(true, 80.0f, 6.3f, 0.0f, -1.0f));
    EXPECT_TRUE(player.boosting);  // boost carries over until the next decision
    EXPECT_TRUE(namesInUse.empty());
    const float half = std::sqrt(radiusSquaredFor(80.0f)) + 10.0f;  // bounds: radius + 10 around the body
    EXPECT_EQ(player.bounds, sf::FloatRect(last.x - half, last.y - half, 2.0f * half, 2.0f * half));
}

TEST(Snake, RadiusScoreAndWantedLengthFollowMass) {
    Snake snake(1, pool.data(), L"", sf::Color::White, false);
    const struct {
        float mass, radius;
        int score;
        std::size_t length;
    } cases[] = {{79.5f, 16.53f, 0, 15},          {80.99f, 16.54f, 0, 17},         {81.0f, 16.54f, 1, 17},
                 {30956.0f, 222.37f, 30876, 511}, {30957.0f, 222.38f, 30877, 512}, {1.0e7f, 66682.7f, 9999920, 512}};
    for (const auto& c : cases) {
        snake.mass = c.mass;
        EXPECT_NEAR(std::sqrt(radiusSquaredFor(c.mass)), c.radius, c.radius * 1e-4f) << c.mass;
        EXPECT_EQ(std::make_pair(snake.score(), snake.wantedLength()), std::make_pair(c.score, c.length)) << c.mass;
    }
}
