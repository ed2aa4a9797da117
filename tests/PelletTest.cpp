#include "TestWorld.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace {

const std::vector<Pellet*>& cellAt(const World& world, float x, float y) {
    return world.pelletGrid[cellOf(x, y).index()];
}

auto looks(const Pellet& p) { return std::make_tuple(p.size, p.color, p.isBig, p.isFree); }

}  // namespace

TEST(Pellets, FreeStackHandsOutItsTopTakesEatenIndicesBackAndDropsNewOnesWhenEmpty) {
    auto world = quietWorld(11);
    Snake& player = world->player();
    world->addPellet({-700.0f, 300.0f}, 5.8f, sf::Color::Green, false);
    EXPECT_EQ(looks(world->pellets[899]), std::make_tuple(5.8f, sf::Color::Green, false, false));
    EXPECT_EQ(cellAt(*world, -700.0f, 300.0f).back(), &world->pellets[899]);
    place(player, {-700.0f, 300.0f}, 0.0f, 80.0f);
    world->handleCollisions();
    EXPECT_FLOAT_EQ(player.mass, 85.8f);
    EXPECT_TRUE(world->pellets[899].isFree);
    EXPECT_EQ(world->freePellets.back(), 899);
    EXPECT_TRUE(cellAt(*world, -700.0f, 300.0f).empty());
    world->addPellet({2000.0f, 0.0f}, 4.0f, sf::Color::Blue, false);
    EXPECT_EQ(world->pellets[899].position, sf::Vector2f(2000.0f, 0.0f));

    quieten(*world);
    addFarPellets(*world, PelletPoolSize);
    world->addPellet({0.0f, 0.0f}, 4.0f, sf::Color::White, false);
    Snake& bot = *world->snakes[1];
    place(bot, {500.0f, 500.0f}, 0.0f, 80.0f);
    world->killSnake(bot);
    EXPECT_EQ(world->livePelletCount(), PelletPoolSize);
    EXPECT_TRUE(world->freePellets.empty());
    EXPECT_TRUE(cellAt(*world, 0.0f, 0.0f).empty());
    EXPECT_TRUE(cellAt(*world, 500.0f, 500.0f).empty());
    EXPECT_EQ(world->particles.size(), 6u);  // sparks are never dropped
}

TEST(Pellets, RandomPelletDrawsPlaceKindSizeAndBlueGreenRed) {
    auto world = quietWorld(16);
    std::srand(160);
    for (int i = 0; i < 40; ++i) world->spawnRandomPellet();
    const int after = std::rand();
    std::srand(160);
    int big = 0;
    for (int i = 0; i < 40; ++i) {
        SCOPED_TRACE(i);
        const Pellet& pellet = world->pellets[899 - i];
        EXPECT_EQ(pellet.position, drawPlace(3600));
        if (std::rand() % 25 == 0) {
            ++big;
            EXPECT_EQ(looks(pellet), std::make_tuple(15.0f, sf::Color::White, true, false));
            continue;
        }
        const float size = static_cast<float>(std::rand() % 6 + 4);
        const int blue = std::rand() % 200 + 55, green = std::rand() % 200 + 55, red = std::rand() % 200 + 55;
        EXPECT_EQ(looks(pellet), std::make_tuple(size, sf::Color(red, green, blue), false, false));
    }
    EXPECT_EQ(std::rand(), after);
    EXPECT_GT(big, 0);  // the seed covers both kinds
}

TEST(Pellets, EatenInsideTheEatRadiusPulledInsideFourRadii) {
    auto world = quietWorld(13);
    Snake& player = world->player();
    const sf::Vector2f head(1000.0f, 1000.0f);
    place(player, head, 0.0f, 600.0f);  // radius 20: eaten below d² 720, pulled below 6400
    ASSERT_EQ(player.radiusSquared, 400.0f);
    // All five share the head's cell, in this order.
    const sf::Vector2f offsets[] = {{-80.0f, 0.0f}, {-12.0f, -23.99f}, {5.0f, 5.0f}, {12.0f, 24.0f}, {0.0f, -79.9f}};
    const float sizes[] = {4.0f, 15.0f, 5.8f, 4.0f, 4.0f};
    for (int i = 0; i < 5; ++i) world->addPellet(head + offsets[i], sizes[i], sf::Color::White, i == 1);
    Pellet &a = world->pellets[899], &b = world->pellets[896], &d = world->pellets[895];
    world->handleCollisions();

    EXPECT_EQ(a.position, head + offsets[0]);  // at 4r: left alone
    EXPECT_FALSE(a.isFree);
    // Two eaten one after the other in one cell: the walk must not skip the second.
    EXPECT_TRUE(world->pellets[898].isFree);
    EXPECT_TRUE(world->pellets[897].isFree);
    EXPECT_FLOAT_EQ(player.mass, 600.0f + 15.0f + 5.8f);
    EXPECT_EQ(player.radiusSquared, radiusSquaredFor(player.mass));
    EXPECT_EQ(world->livePelletCount(), 3);
    EXPECT_EQ(cellAt(*world, head.x, head.y), (std::vector<Pellet*>{&a, &b, &d}));
    // d² exactly 720 is pulled 8.5 along its own line, not eaten.
    EXPECT_FALSE(b.isFree);
    const sf::Vector2f pulled = b.position - head;
    EXPECT_NEAR(std::hypot(pulled.x, pulled.y), std::sqrt(720.0f) - 8.5f, 1e-3f);
    EXPECT_NEAR(std::atan2(pulled.y, pulled.x), std::atan2(24.0f, 12.0f), 1e-5f);
    EXPECT_EQ(d.position.x, head.x);
    EXPECT_NEAR(d.position.y, head.y - 79.9f + 8.5f, 1e-3f);
}

TEST(Pellets, AttractedPelletStaysListedInItsFirstCell) {
    auto world = quietWorld(14);
    Snake& player = world->player();
    // Radius 100: eaten within 134.2, pulled within 400. Column 25 starts at x = 0.
    place(player, {150.0f, 0.0f}, 0.0f, 12600.0f);
    ASSERT_EQ(player.radiusSquared, 10000.0f);
    world->addPellet({-5.0f, 0.0f}, 4.0f, sf::Color::White, false);
    const Pellet& pellet = world->pellets[899];
    world->handleCollisions();
    const float pulled = pellet.position.x;
    ASSERT_NEAR(pulled, 3.5f, 1e-4f);
    const auto& first = cellAt(*world, -5.0f, 0.0f);
    EXPECT_EQ(std::count(first.begin(), first.end(), &pellet), 1);
    EXPECT_TRUE(cellAt(*world, 3.5f, 0.0f).empty());
    // From column 26 the head sees columns 25 to 27 only: not found.
    place(player, {300.0f, 0.0f}, 0.0f, 12600.0f);
    world->handleCollisions();
    EXPECT_EQ(pellet.position.x, pulled);
    // From column 25 it sees column 24, where the pellet is listed.
    place(player, {150.0f, 0.0f}, 0.0f, 12600.0f);
    world->handleCollisions();
    EXPECT_NEAR(pellet.position.x, 12.0f, 1e-4f);
}

TEST(Pellets, TopUpReplacesExactlyWhatWasEaten) {
    auto world = quietWorld(15);
    Snake& player = world->player();
    place(player, {0.0f, 0.0f}, 0.0f, 80.0f);
    // Five where the head will be after its step, the rest far away.
    for (int i = 0; i < 5; ++i) world->addPellet({6.3f, static_cast<float>(i)}, 4.0f, sf::Color::White, false);
    addFarPellets(*world, 295);
    world->step(0.0f, PlayerInput{});
    EXPECT_EQ(player.mass, 100.0f);
    EXPECT_EQ(world->livePelletCount(), 300);
    EXPECT_EQ(world->freePellets.size(), 600u);
    // The eaten indices went back on the stack and the top-up took them again.
    for (int index = 895; index <= 899; ++index) {
        EXPECT_FALSE(world->pellets[index].isFree) << index;
        EXPECT_NE(world->pellets[index].position.x, 6.3f) << index;
    }
}
