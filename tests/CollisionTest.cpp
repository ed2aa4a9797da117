#include "TestWorld.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

void collide(World& world) {
    world.rebuildSegmentGrids();
    world.handleCollisions();
}

}  // namespace

TEST(Collisions, DistanceToSegmentClampsToItsEnds) {
    const sf::Vector2f a(-5.0f, 0.0f), b(5.0f, 0.0f), o(0.0f, 0.0f);
    EXPECT_EQ(distanceToSegmentSquared({0.0f, 3.0f}, a, b), 9.0f);
    EXPECT_EQ(distanceToSegmentSquared({8.0f, 4.0f}, a, b), 25.0f);
    EXPECT_EQ(distanceToSegmentSquared({-9.0f, 0.0f}, a, b), 16.0f);
    EXPECT_EQ(distanceToSegmentSquared({3.0f, 4.0f}, o, o), 25.0f);
}

TEST(Collisions, HeadDiesOnlyBeyondTheRimAndNeverOnItsOwnBody) {
    auto world = quietWorld(21);
    Snake& bot = *world->snakes[1];
    Snake& player = world->player();
    for (float rim : {3800.0f, 3800.1f}) {
        place(bot, {rim, 0.0f}, 0.0f, 80.0f);
        place(player, {0.0f, -rim}, 0.0f, 80.0f);
        collide(*world);
        EXPECT_EQ(bot.alive, rim == 3800.0f);
        EXPECT_EQ(player.alive, rim == 3800.0f);
    }
    EXPECT_EQ(world->livePelletCount(), 16);
    EXPECT_EQ(world->particles.size(), 12u);

    // The segment from point 3 to point 4 runs straight through the head.
    quieten(*world);
    const sf::Vector2f loop[] = {{0, 0}, {40, 0}, {40, 40}, {0, 40}, {0, -40}};
    for (Snake* snake : {&player, &bot}) {
        const sf::Vector2f offset(snake->isPlayer ? -1000.0f : 1000.0f, 0.0f);
        place(*snake, offset, 0.0f, 80.0f, 5);
        for (int i = 0; i < 5; ++i) snake->points[i] = loop[i] + offset;
    }
    collide(*world);
    EXPECT_TRUE(player.alive);
    EXPECT_TRUE(bot.alive);
}

TEST(Collisions, BotAndPlayerKillEachOtherBothWaysAndTwoHeadsBothDie) {
    auto world = quietWorld(23);
    Snake& player = world->player();
    Snake& bot = *world->snakes[1];
    for (bool playerHits : {false, true}) {
        quieten(*world);
        Snake& body = playerHits ? bot : player;
        Snake& head = playerHits ? player : bot;
        place(body, {100.0f, 200.0f}, 0.0f, 80.0f, 15, 14.0f);
        place(head, {0.0f, 200.0f}, 0.0f, 80.0f);
        collide(*world);
        EXPECT_TRUE(body.alive) << playerHits;
        EXPECT_FALSE(head.alive) << playerHits;
        EXPECT_EQ(head.respawnTimer, playerHits ? 2.5f : 3.0f);
    }
    // The second head still meets the first's body, which stays in the grid for the step.
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
    // Beside a straight body (x 200 back to 60), then diagonal to a folded one,
    // whose zero-length segments leave the distance to its point: 30.55 and 30.62.
    const struct {
        sf::Vector2f bodyHead, head;
        float spacing;
        bool survives;
    } cases[] = {{{200.0f, 0.0f}, {130.0f, reach - 0.001f}, 10.0f, false},
                 {{200.0f, 0.0f}, {130.0f, reach + 0.001f}, 10.0f, true},
                 {{500.0f, 500.0f}, {521.6f, 521.6f}, 0.0f, false},
                 {{500.0f, 500.0f}, {521.65f, 521.65f}, 0.0f, true}};
    for (const auto& c : cases) {
        quieten(*world);
        place(body, c.bodyHead, 0.0f, 80.0f, 15, c.spacing);
        place(head, c.head, 0.0f, 80.0f);
        collide(*world);
        EXPECT_EQ(head.alive, c.survives) << c.head.x << " " << c.head.y;
        EXPECT_TRUE(body.alive || c.spacing == 0.0f);  // folded, the two heads meet both ways
    }
}

TEST(Collisions, DeathLeavesAColourGradientOfPelletsAndSparks) {
    auto world = quietWorld(25);
    Snake& bot = *world->snakes[1];
    place(bot, {-1000.0f, 0.0f}, 0.0f, 93.0f, 15, 10.0f);
    bot.color = sf::Color(255, 180, 40);
    world->killSnake(bot);
    // From the inverted colour at the head toward its own at the tail, truncated.
    const sf::Color shades[8] = {{0, 75, 215},    {34, 89, 191},  {68, 103, 168}, {102, 117, 145},
                                 {136, 131, 121}, {170, 145, 98}, {204, 159, 75}, {238, 173, 51}};
    ASSERT_EQ(world->livePelletCount(), 8);
    for (int k = 0; k < 8; ++k) {
        const Pellet& pellet = world->pellets[899 - k];
        EXPECT_EQ(pellet.position, bot.points[2 * k]) << k;
        EXPECT_EQ(std::make_tuple(pellet.size, pellet.isBig, pellet.color), std::make_tuple(5.8f, false, shades[k]))
            << k;
    }
    ASSERT_EQ(world->particles.size(), 6u);
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(world->particles[k].position, bot.points[k < 3 ? 0 : 8]) << k;
        EXPECT_EQ(world->particles[k].color, shades[k < 3 ? 0 : 4]) << k;
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

TEST(SegmentGrids, ListEachCellsSegmentsInBodyOrderAcrossBodiesAndRebuilds) {
    Snake first{1, nullptr, L"", sf::Color::White, false};
    Snake second{2, nullptr, L"", sf::Color::White, false};
    // Cell 25 spans 0 to 152: the first body leaves it and comes back.
    const sf::Vector2f body[] = {{10, 10}, {100, 10}, {160, 10}, {140, 10}, {20, 10}, {30, 10}};
    const sf::Vector2f other[] = {{50, 20}, {60, 20}};
    const int middle = cellOf(10, 10).index();
    SegmentGrid grid(4);  // too small: the grid grows rather than drops segments
    for (int round = 0; round < 2; ++round) {
        grid.clear();
        grid.addBody(body, 6, &first);
        grid.addBody(other, 2, &second);
        grid.addBody(other, 1, &second);  // a single point has no segment
        grid.finish();
        std::vector<std::tuple<float, float, const Snake*>> seen;
        grid.anyIn(middle, [&](const SegmentEntry& s) {
            seen.emplace_back(s.a.x, s.b.x, s.owner);
            return false;
        });
        const std::vector<std::tuple<float, float, const Snake*>> expected = {
            {10, 100, &first}, {100, 160, &first}, {140, 20, &first}, {20, 30, &first}, {50, 60, &second}};
        EXPECT_EQ(seen, expected);
        EXPECT_TRUE(grid.anyIn(middle + 1, [&](const SegmentEntry& s) { return s.a.x == 160 && s.b.x == 140; }));
        EXPECT_EQ(grid.size(), 6u);
    }
    int visits = 0;
    EXPECT_TRUE(grid.anyIn(middle, [&](const SegmentEntry&) { return ++visits == 2; }));
    EXPECT_EQ(visits, 2);  // stops at the first true
    grid.clear();
    grid.finish();
    EXPECT_FALSE(grid.anyIn(middle, [](const SegmentEntry&) { return true; }));
}
