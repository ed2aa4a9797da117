#include "TestWorld.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>

namespace {

// A world with every bot asleep and no pellets; tests wake what they need.
std::unique_ptr<World> quietWorld(unsigned seed) {
    std::srand(seed);
    auto world = std::make_unique<World>();
    quieten(*world);
    return world;
}

void collide(World& world) {
    world.rebuildSegmentGrids();
    world.handleCollisions();
}

}  // namespace

TEST(Collisions, DistanceToSegmentClampsToItsEnds) {
    const sf::Vector2f a(-5.0f, 0.0f), b(5.0f, 0.0f);
    EXPECT_EQ(distanceToSegmentSquared({0.0f, 3.0f}, a, b), 9.0f);
    EXPECT_EQ(distanceToSegmentSquared({8.0f, 4.0f}, a, b), 25.0f);
    EXPECT_EQ(distanceToSegmentSquared({-9.0f, 0.0f}, a, b), 16.0f);
    EXPECT_EQ(distanceToSegmentSquared({3.0f, 4.0f}, {0.0f, 0.0f}, {0.0f, 0.0f}), 25.0f);
}

TEST(Collisions, HeadDiesOnlyBeyondTheRim) {
    auto world = quietWorld(21);
    Snake& bot = *world->snakes[1];
    Snake& player = world->player();
    place(bot, {3800.0f, 0.0f}, 0.0f, 80.0f);
    place(player, {0.0f, -3800.0f}, 0.0f, 80.0f);
    collide(*world);
    EXPECT_TRUE(bot.alive);
    EXPECT_TRUE(player.alive);

    place(bot, {3800.1f, 0.0f}, 0.0f, 80.0f);
    place(player, {0.0f, -3800.1f}, 0.0f, 80.0f);
    collide(*world);
    EXPECT_FALSE(bot.alive);
    EXPECT_FALSE(player.alive);
    EXPECT_EQ(world->livePelletCount(), 16);
    EXPECT_EQ(world->particles.size(), 12u);
}

TEST(Collisions, NoSnakeHitsItsOwnBody) {
    auto world = quietWorld(22);
    // The segment from point 3 to point 4 runs straight through the head.
    const sf::Vector2f loop[] = {{0, 0}, {40, 0}, {40, 40}, {0, 40}, {0, -40}};
    for (Snake* snake : {&world->player(), world->snakes[1].get()}) {
        const sf::Vector2f offset = snake->isPlayer ? sf::Vector2f(-1000, 0) : sf::Vector2f(1000, 0);
        place(*snake, offset, 0.0f, 80.0f, 5);
        for (int i = 0; i < 5; ++i) snake->points[i] = loop[i] + offset;
    }
    collide(*world);
    EXPECT_TRUE(world->player().alive);
    EXPECT_TRUE(world->snakes[1]->alive);
}

TEST(Collisions, BotAndPlayerKillEachOtherBothWays) {
    auto world = quietWorld(23);
    Snake& player = world->player();
    Snake& bot = *world->snakes[1];
    // A bot's head on the player's body: the bot dies.
    place(player, {100.0f, 200.0f}, 0.0f, 80.0f, 15, 14.0f);
    place(bot, {0.0f, 200.0f}, 0.0f, 80.0f);
    collide(*world);
    EXPECT_TRUE(player.alive);
    EXPECT_FALSE(bot.alive);
    EXPECT_EQ(bot.respawnTimer, 3.0f);

    // The player's head on a bot's body: the player dies.
    quieten(*world);
    place(bot, {100.0f, -200.0f}, 0.0f, 80.0f, 15, 14.0f);
    place(player, {0.0f, -200.0f}, 0.0f, 80.0f);
    collide(*world);
    EXPECT_FALSE(player.alive);
    EXPECT_TRUE(bot.alive);
    EXPECT_EQ(player.respawnTimer, 2.5f);

    // Two heads on one spot: both die, the second still meeting the first's
    // body, which stays in the grid for the rest of the step.
    quieten(*world);
    Snake& other = *world->snakes[2];
    place(bot, {-600.0f, 600.0f}, 0.0f, 80.0f);
    place(other, {-600.0f, 600.0f}, 1.0f, 80.0f);
    collide(*world);
    EXPECT_FALSE(bot.alive);
    EXPECT_FALSE(other.alive);
}

TEST(Collisions, ContactAtEightyFivePercentOfTheOtherRadiusPlusOwn) {
    auto world = quietWorld(24);
    Snake& body = *world->snakes[1];
    Snake& head = *world->snakes[2];
    const float r = std::sqrt(radiusSquaredFor(80.0f));
    const float reach = 0.85f * r + r;
    EXPECT_NEAR(reach, 30.59f, 0.005f);

    for (float gap : {-0.001f, 0.001f}) {
        quieten(*world);
        place(body, {200.0f, 0.0f}, 0.0f, 80.0f, 15, 10.0f);  // from x = 200 back to 60
        place(head, {130.0f, reach + gap}, 0.0f, 80.0f);
        collide(*world);
        EXPECT_EQ(head.alive, gap > 0.0f) << gap;
        EXPECT_TRUE(body.alive);
    }

    // A folded body is a set of zero-length segments: the distance is to its point.
    for (float side : {21.6f, 21.65f}) {  // 30.55 and 30.62 from the point
        quieten(*world);
        place(body, {500.0f, 500.0f}, 0.0f, 80.0f);
        place(head, {500.0f + side, 500.0f + side}, 0.0f, 80.0f);
        collide(*world);
        EXPECT_EQ(head.alive, side > 21.62f) << side;
    }
}

TEST(Collisions, DeathLeavesAColourGradientOfPelletsAndSparks) {
    auto world = quietWorld(25);
    Snake& bot = *world->snakes[1];
    place(bot, {-1000.0f, 0.0f}, 0.0f, 93.0f, 15, 10.0f);
    bot.color = sf::Color(255, 180, 40);
    world->killSnake(bot);

    // From the inverted colour at the head toward its own at the tail, truncated.
    const sf::Color shades[8] = {{0, 75, 215},   {34, 89, 191},   {68, 103, 168}, {102, 117, 145},
                                 {136, 131, 121}, {170, 145, 98}, {204, 159, 75}, {238, 173, 51}};
    ASSERT_EQ(world->livePelletCount(), 8);
    for (int k = 0; k < 8; ++k) {
        const Pellet& pellet = world->pellets[899 - k];
        EXPECT_EQ(pellet.position, bot.points[2 * k]) << k;
        EXPECT_EQ(pellet.size, 5.8f);
        EXPECT_FALSE(pellet.isBig);
        EXPECT_EQ(pellet.color, shades[k]) << k;
    }
    ASSERT_EQ(world->particles.size(), 6u);
    for (int k = 0; k < 6; ++k) {
        const Particle& spark = world->particles[k];
        EXPECT_EQ(spark.position, bot.points[k < 3 ? 0 : 8]) << k;
        EXPECT_EQ(spark.color, shades[k < 3 ? 0 : 4]) << k;
    }
    EXPECT_FALSE(bot.alive);
    EXPECT_EQ(bot.respawnTimer, 3.0f);
    EXPECT_EQ(bot.mass, 93.0f);  // kept until the respawn
    EXPECT_EQ(bot.pointCount, 15u);

    // Sixteen points still leave 8 pellets and 6 sparks; the middle is grey.
    quieten(*world);
    place(bot, {-1000.0f, 0.0f}, 0.0f, 93.0f, 16, 10.0f);
    world->killSnake(bot);
    EXPECT_EQ(world->livePelletCount(), 8);
    EXPECT_EQ(world->particles.size(), 6u);
    EXPECT_EQ(world->pellets[899 - 4].color, sf::Color(127, 127, 127));
    EXPECT_EQ(world->pellets[899 - 7].color, sf::Color(223, 166, 61));
}
