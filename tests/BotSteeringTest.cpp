#include "TestWorld.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

class Steering : public ::testing::Test {
protected:
    Steering() {
        food.reserve(16);
        place(bot, {76.0f, 76.0f}, 0.0f, 80.0f);  // the middle of cell (25, 25)
    }

    void addBody(SegmentGrid& grid, const Snake& owner, sf::Vector2f a) {
        grid.add(cellOf(a.x, a.y).index(), a, a, &owner);
        grid.finish();
    }
    // A body point at the given distance and angle from the bot's head.
    void addBodyAt(SegmentGrid& grid, const Snake& owner, float distance, float angle) {
        const sf::Vector2f head = bot.points[0];
        addBody(grid, owner, head + distance * sf::Vector2f(std::cos(angle), std::sin(angle)));
    }
    void addFood(sf::Vector2f at) {
        food.push_back(Pellet{at, 4.0f, sf::Color::White, false, false});
        pellets[cellOf(at.x, at.y).index()].push_back(&food.back());
    }
    void clear() {
        bots.clear();
        players.clear();
        for (auto& cell : pellets) cell.clear();
        food.clear();
    }
    void decide(float stepTime = 0.0f) {
        bot.thinkTimer = 0.0f;
        bot.steerBot(bots, players, pellets, StepSeconds, stepTime);
    }

    std::vector<sf::Vector2f> pool = std::vector<sf::Vector2f>(MaxSnakes * MaxPoints);
    SegmentGrid bots = SegmentGrid(MaxSnakes * MaxPoints);
    SegmentGrid players = SegmentGrid(MaxPoints);
    PelletGrid pellets = PelletGrid(GridCells);
    std::vector<Pellet> food;
    Snake player{0, pool.data(), L"Kai", sf::Color::Cyan, true};
    Snake bot{1, pool.data(), L"", sf::Color::White, false};
    Snake other{2, pool.data(), L"", sf::Color::White, false};
};

}  // namespace

TEST_F(Steering, DecidesAtOnceThenAfterEachDrawnInterval) {
    std::srand(41);
    const int first = std::rand() % 50;
    const int second = std::rand() % 50;
    const int third = std::rand();

    std::srand(41);
    bot.steerBot(bots, players, pellets, StepSeconds, 0.0f);
    EXPECT_EQ(bot.thinkTimer, static_cast<float>(first) / 1000.0f + 0.3f);
    int steps = 0;
    float before;
    do {
        before = bot.thinkTimer;
        bot.steerBot(bots, players, pellets, StepSeconds, 0.0f);
        ++steps;
    } while (bot.thinkTimer < before && steps < 100);
    EXPECT_GE(steps, 18);  // 0.300 s
    EXPECT_LE(steps, 21);  // 0.349 s
    EXPECT_EQ(bot.thinkTimer, static_cast<float>(second) / 1000.0f + 0.3f);
    EXPECT_EQ(std::rand(), third);  // one draw per decision, none between

    // Neither the player nor a dead bot decides or counts down.
    player.thinkTimer = 0.0f;
    player.steerBot(bots, players, pellets, StepSeconds, 0.0f);
    EXPECT_EQ(player.thinkTimer, 0.0f);
    bot.alive = false;
    bot.thinkTimer = 0.1f;
    bot.steerBot(bots, players, pellets, StepSeconds, 0.0f);
    EXPECT_EQ(bot.thinkTimer, 0.1f);
}

TEST_F(Steering, RimRuleTakesOverOnlyBeyond3650) {
    // Exactly 3650 out: the food rule decides and switches boost off.
    place(bot, {3650.0f, 0.0f}, 0.0f, 300.0f);
    bot.boosting = true;
    addFood({3600.0f, 100.0f});
    decide();
    EXPECT_FLOAT_EQ(bot.targetHeading, std::atan2(100.0f, -50.0f));
    EXPECT_FALSE(bot.boosting);

    // Beyond it: back toward the centre with the weave, boost left as it was.
    clear();
    place(bot, {0.0f, 3650.5f}, 0.0f, 300.0f);
    bot.boosting = true;
    addFood({0.0f, 3600.0f});
    addBodyAt(bots, other, 50.0f, 0.0f);
    decide(0.75f);
    EXPECT_NEAR(bot.targetHeading, -Pi / 2.0f + std::sin(1.5f) * 0.3f, 1e-6f);
    EXPECT_TRUE(bot.boosting);
}

TEST_F(Steering, SwervesFromTheFirstBodyPointInsideTheCone) {
    struct Case {
        float distance, angle, expectedTarget;
    };
    // Right of the heading turns left, dead ahead turns right, outside the
    // cone or at 200 units and more nothing swerves.
    const Case cases[] = {{100.0f, 0.5f, -1.5f},  {100.0f, -0.5f, 1.5f}, {100.0f, 0.0f, 1.5f},
                          {199.9f, 1.19f, -1.5f}, {100.0f, 1.21f, 0.0f}, {200.0f, 0.0f, 0.0f}};
    for (const Case& c : cases) {
        clear();
        place(bot, {76.0f, 76.0f}, 0.0f, 80.0f);
        addBodyAt(bots, other, c.distance, c.angle);
        decide();
        EXPECT_EQ(bot.targetHeading, c.expectedTarget) << c.distance << " " << c.angle;
    }

    // Only a bot above mass 150 boosts away.
    for (float mass : {150.0f, 150.5f}) {
        clear();
        place(bot, {76.0f, 76.0f}, 0.0f, mass);
        addBodyAt(players, player, 100.0f, 0.0f);
        decide();
        EXPECT_EQ(bot.targetHeading, 1.5f);
        EXPECT_EQ(bot.boosting, mass > 150.0f) << mass;
    }

    // The bot's own body is never a danger; the player's always is.
    clear();
    place(bot, {76.0f, 76.0f}, 0.0f, 80.0f);
    addBodyAt(bots, bot, 50.0f, 0.0f);
    decide();
    EXPECT_EQ(bot.targetHeading, 0.0f);
    addBodyAt(players, player, 50.0f, 0.3f);
    decide();
    EXPECT_EQ(bot.targetHeading, -1.5f);

    // Within one cell the bots' grid comes before the player's.
    clear();
    addBodyAt(players, player, 50.0f, 0.5f);
    addBodyAt(bots, other, 50.0f, -0.5f);
    decide();
    EXPECT_EQ(bot.targetHeading, 1.5f);

    // Many turns of heading: the angle is wrapped before the cone test.
    clear();
    place(bot, {76.0f, 76.0f}, 40.0f, 80.0f);
    addBodyAt(bots, other, 100.0f, 40.5f);
    decide();
    EXPECT_EQ(bot.targetHeading, 40.0f - 1.5f);
}

TEST_F(Steering, FollowsTheNearestPelletFirstFoundOnTies) {
    bot.boosting = true;
    addFood({376.0f, 76.0f});
    addFood({76.0f, -124.0f});
    decide();
    EXPECT_EQ(bot.targetHeading, std::atan2(-200.0f, 0.0f));
    EXPECT_FALSE(bot.boosting);

    // Equal distances: the earlier row of cells wins, then the earlier pellet of a cell.
    clear();
    addFood({76.0f, 276.0f});
    addFood({76.0f, -124.0f});
    decide();
    EXPECT_EQ(bot.targetHeading, std::atan2(-200.0f, 0.0f));
    clear();
    addFood({76.0f, 106.0f});
    addFood({106.0f, 76.0f});
    decide();
    EXPECT_EQ(bot.targetHeading, std::atan2(30.0f, 0.0f));

    // Nothing in reach: the last target stands.
    clear();
    bot.targetHeading = 2.0f;
    bot.boosting = true;
    addFood({76.0f + 4.0f * 152.0f, 76.0f});  // four cells over
    decide();
    EXPECT_EQ(bot.targetHeading, 2.0f);
    EXPECT_FALSE(bot.boosting);
}
