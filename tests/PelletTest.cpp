#include "TestWorld.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// A head of mass 600 has radius 20 exactly: eaten below d² 720, pulled below 6400.
constexpr float Mass20 = 600.0f;

const std::vector<Pellet*>& cellAt(const World& world, float x, float y) {
    return world.pelletGrid[cellOf(x, y).index()];
}

bool listedIn(const std::vector<Pellet*>& cell, const Pellet& pellet) {
    return std::count(cell.begin(), cell.end(), &pellet) == 1;
}

}  // namespace

TEST(Pellets, FreeStackHandsOutItsTopAndTakesEatenIndicesBack) {
    std::srand(11);
    World world;
    for (int i = 0; i < PelletPoolSize; ++i) EXPECT_EQ(world.pellets[i].isFree, i < 600) << i;
    world.addPellet({1000.0f, 1000.0f}, 5.0f, sf::Color::Red, false);
    const Pellet& added = world.pellets[599];
    EXPECT_FALSE(added.isFree);
    EXPECT_EQ(added.size, 5.0f);
    EXPECT_EQ(added.color, sf::Color::Red);
    EXPECT_EQ(cellAt(world, 1000.0f, 1000.0f).back(), &added);

    quieten(world);
    Snake& player = world.player();
    world.addPellet({-700.0f, 300.0f}, 5.8f, sf::Color::Green, false);
    EXPECT_FALSE(world.pellets[899].isFree);
    place(player, {-700.0f, 300.0f}, 0.0f, 80.0f);
    world.handleCollisions();
    EXPECT_FLOAT_EQ(player.mass, 85.8f);
    EXPECT_TRUE(world.pellets[899].isFree);
    EXPECT_EQ(world.freePellets.back(), 899);
    EXPECT_TRUE(cellAt(world, -700.0f, 300.0f).empty());
    world.addPellet({2000.0f, 0.0f}, 4.0f, sf::Color::Blue, false);
    EXPECT_EQ(world.pellets[899].position, sf::Vector2f(2000.0f, 0.0f));
}

TEST(Pellets, RandomPelletDrawsPlaceKindSizeAndBlueGreenRed) {
    std::srand(16);
    World world;
    quieten(world);
    const unsigned seed = 160;
    std::srand(seed);
    for (int i = 0; i < 40; ++i) world.spawnRandomPellet();
    const int after = std::rand();

    std::srand(seed);
    int big = 0;
    for (int i = 0; i < 40; ++i) {
        const Pellet& pellet = world.pellets[899 - i];
        const int index = degreeIndex(std::rand() % 360);
        const float distance = static_cast<float>(std::rand() % 3600);
        EXPECT_EQ(pellet.position, sf::Vector2f(distance * trigTable().cosine[index],
                                                distance * trigTable().sine[index]));
        if (std::rand() % 25 == 0) {
            ++big;
            EXPECT_TRUE(pellet.isBig);
            EXPECT_EQ(pellet.size, 15.0f);
            EXPECT_EQ(pellet.color, sf::Color::White);
            continue;
        }
        EXPECT_FALSE(pellet.isBig);
        EXPECT_EQ(pellet.size, static_cast<float>(std::rand() % 6 + 4));
        const int blue = std::rand() % 200 + 55;
        const int green = std::rand() % 200 + 55;
        const int red = std::rand() % 200 + 55;
        EXPECT_EQ(pellet.color, sf::Color(red, green, blue)) << i;
    }
    EXPECT_EQ(std::rand(), after);
    EXPECT_GT(big, 0);  // the seed covers both kinds
}

TEST(Pellets, FullPoolDropsNewPelletsQuietly) {
    std::srand(12);
    World world;
    quieten(world);
    for (int i = 0; i < PelletPoolSize; ++i) world.addPellet({-3000.0f, 0.0f}, 4.0f, sf::Color::White, false);
    ASSERT_TRUE(world.freePellets.empty());
    world.addPellet({0.0f, 0.0f}, 4.0f, sf::Color::White, false);

    Snake& bot = *world.snakes[1];
    place(bot, {500.0f, 500.0f}, 0.0f, 80.0f);
    world.killSnake(bot);
    EXPECT_EQ(world.livePelletCount(), PelletPoolSize);
    EXPECT_TRUE(world.freePellets.empty());
    EXPECT_TRUE(cellAt(world, 0.0f, 0.0f).empty());
    EXPECT_TRUE(cellAt(world, 500.0f, 500.0f).empty());
    EXPECT_EQ(world.particles.size(), 6u);  // sparks are never dropped
}

TEST(Pellets, EatenInsideTheEatRadiusPulledInsideFourRadii) {
    std::srand(13);
    World world;
    quieten(world);
    Snake& player = world.player();
    const sf::Vector2f head(1000.0f, 1000.0f);
    place(player, head, 0.0f, Mass20);
    ASSERT_EQ(player.radiusSquared, 400.0f);

    // All five share the head's cell, in this order.
    world.addPellet(head + sf::Vector2f(-80.0f, 0.0f), 4.0f, sf::Color::White, false);     // A: at 4r
    world.addPellet(head + sf::Vector2f(-12.0f, -23.99f), 15.0f, sf::Color::White, true);  // C: inside
    world.addPellet(head + sf::Vector2f(5.0f, 5.0f), 5.8f, sf::Color::White, false);       // E: inside
    world.addPellet(head + sf::Vector2f(12.0f, 24.0f), 4.0f, sf::Color::White, false);     // B: d² 720
    world.addPellet(head + sf::Vector2f(0.0f, -79.9f), 4.0f, sf::Color::White, false);     // D: inside 4r
    Pellet& a = world.pellets[899];
    Pellet& b = world.pellets[896];
    Pellet& d = world.pellets[895];
    const sf::Vector2f bStart = b.position;
    world.handleCollisions();

    EXPECT_EQ(a.position, head + sf::Vector2f(-80.0f, 0.0f));
    EXPECT_FALSE(a.isFree);
    // Two pellets eaten one after the other in one cell: the walk must not skip the second.
    EXPECT_TRUE(world.pellets[898].isFree);
    EXPECT_TRUE(world.pellets[897].isFree);
    EXPECT_FLOAT_EQ(player.mass, Mass20 + 15.0f + 5.8f);
    EXPECT_EQ(player.radiusSquared, radiusSquaredFor(player.mass));
    EXPECT_EQ(world.livePelletCount(), 3);
    const std::vector<Pellet*> expectedCell = {&a, &b, &d};
    EXPECT_EQ(cellAt(world, head.x, head.y), expectedCell);

    EXPECT_FALSE(b.isFree);
    EXPECT_NEAR(std::hypot(b.position.x - head.x, b.position.y - head.y), std::sqrt(720.0f) - 8.5f, 1e-3f);
    EXPECT_NEAR(std::atan2(b.position.y - head.y, b.position.x - head.x),
                std::atan2(bStart.y - head.y, bStart.x - head.x), 1e-5f);
    EXPECT_EQ(d.position.x, head.x);
    EXPECT_NEAR(d.position.y, head.y - 79.9f + 8.5f, 1e-3f);
}

TEST(Pellets, AttractedPelletStaysListedInItsFirstCell) {
    std::srand(14);
    World world;
    quieten(world);
    Snake& player = world.player();
    // Radius 100: eaten within 134.2, pulled within 400. Column 25 starts at x = 0.
    place(player, {150.0f, 0.0f}, 0.0f, 12600.0f);
    ASSERT_EQ(player.radiusSquared, 10000.0f);
    world.addPellet({-5.0f, 0.0f}, 4.0f, sf::Color::White, false);
    const Pellet& pellet = world.pellets[899];
    world.handleCollisions();
    const float pulled = pellet.position.x;
    ASSERT_NEAR(pulled, 3.5f, 1e-4f);
    EXPECT_TRUE(listedIn(cellAt(world, -5.0f, 0.0f), pellet));
    EXPECT_TRUE(cellAt(world, 3.5f, 0.0f).empty());

    // From column 26 the head sees columns 25 to 27 only: the pellet is not found.
    place(player, {300.0f, 0.0f}, 0.0f, 12600.0f);
    world.handleCollisions();
    EXPECT_EQ(pellet.position.x, pulled);
    // From column 25 it sees column 24, where the pellet is listed.
    place(player, {150.0f, 0.0f}, 0.0f, 12600.0f);
    world.handleCollisions();
    EXPECT_NEAR(pellet.position.x, 12.0f, 1e-4f);
}

TEST(Pellets, TopUpReplacesExactlyWhatWasEaten) {
    std::srand(15);
    World world;
    quieten(world);
    Snake& player = world.player();
    place(player, {0.0f, 0.0f}, 0.0f, 80.0f);
    // Five where the head will be after its step, the rest far away.
    for (int i = 0; i < 5; ++i) world.addPellet({6.3f, static_cast<float>(i)}, 4.0f, sf::Color::White, false);
    for (int i = 5; i < 300; ++i) world.addPellet({-3000.0f, 0.0f}, 4.0f, sf::Color::White, false);

    world.step(0.0f, PlayerInput{});
    EXPECT_EQ(player.mass, 100.0f);
    EXPECT_EQ(world.livePelletCount(), 300);
    EXPECT_EQ(world.freePellets.size(), 600u);
    // The eaten indices went back on the stack and the top-up took them again.
    for (int index = 895; index <= 899; ++index) {
        EXPECT_FALSE(world.pellets[index].isFree) << index;
        EXPECT_NE(world.pellets[index].position.x, 6.3f) << index;
    }
}
