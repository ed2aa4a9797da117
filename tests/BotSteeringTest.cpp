#include "TestWorld.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class Steering : public ::testing::Test {
protected:
    Steering() {
        food.reserve(16);
        place(bot, {76.0f, 76.0f}, 0.0f, 80.0f);  // the middle of cell (25, 25)
    }
    // A body point at the given distance and angle from the bot's head.
    void addBodyAt(SegmentGrid& grid, const Snake& owner, float distance, float angle) {
        const sf::Vector2f a = bot.points[0] + distance * sf::Vector2f(std::cos(angle), std::sin(angle));
        const sf::Vector2f point[2] = {a, a};
        grid.addBody(point, 2, &owner);
        grid.finish();
    }
    void addFood(sf::Vector2f at) {
        food.push_back(Pellet{at, 4.0f, sf::Color::White, false, false});
        pellets[cellOf(at.x, at.y).index()].push_back(&food.back());
    }
    void reset(sf::Vector2f head = {76.0f, 76.0f}, float heading = 0.0f, float mass = 80.0f) {
        bots.clear();
        players.clear();
        for (auto& cell : pellets) cell.clear();
        food.clear();
        place(bot, head, heading, mass);
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

TEST_F(Steering, DecidesAtOnceThenAfterEachDrawnIntervalBotsOnly) {
    std::srand(41);
    const int first = std::rand() % 50, second = std::rand() % 50, third = std::rand();
    std::srand(41);
    bot.steerBot(bots, players, pellets, StepSeconds, 0.0f);
    EXPECT_EQ(bot.thinkTimer, static_cast<float>(first) / 1000.0f + 0.3f);
    int steps = 0;
    for (float before = 1.0f; bot.thinkTimer < before && steps < 100; ++steps) {
        before = bot.thinkTimer;
        bot.steerBot(bots, players, pellets, StepSeconds, 0.0f);
    }
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
    reset({3650.0f, 0.0f}, 0.0f, 300.0f);
    bot.boosting = true;
    addFood({3600.0f, 100.0f});
    decide();
    EXPECT_FLOAT_EQ(bot.targetHeading, std::atan2(100.0f, -50.0f));
    EXPECT_FALSE(bot.boosting);
    // Beyond it: back toward the centre with the weave, over food and bodies, boost left as it was.
    reset({0.0f, 3650.5f}, 0.0f, 300.0f);
    bot.boosting = true;
    addFood({0.0f, 3600.0f});
    addBodyAt(bots, other, 50.0f, 0.0f);
    decide(0.75f);
    EXPECT_NEAR(bot.targetHeading, -Pi / 2.0f + std::sin(1.5f) * 0.3f, 1e-6f);
    EXPECT_TRUE(bot.boosting);
}

TEST_F(Steering, SwervesFromTheFirstBodyPointInsideTheCone) {
    // Right of the heading turns left, dead ahead turns right; outside the cone
    // or 200 away nothing swerves. Only above mass 150 does the bot boost away.
    // Its own body is never a danger; the player's always is. Many turns of
    // heading are wrapped before the cone test.
    const struct {
        float heading, mass, distance, angle;
        bool playersGrid;
        const Snake* owner;
        float expectedTarget;
        bool boosts;
    } cases[] = {
        {0.0f, 80.0f, 100.0f, 0.5f, false, &other, -1.5f, false},
        {0.0f, 80.0f, 100.0f, -0.5f, false, &other, 1.5f, false},
        {0.0f, 80.0f, 100.0f, 0.0f, false, &other, 1.5f, false},
        {0.0f, 80.0f, 199.9f, 1.19f, false, &other, -1.5f, false},
        {0.0f, 80.0f, 100.0f, 1.21f, false, &other, 0.0f, false},
        {0.0f, 80.0f, 200.0f, 0.0f, false, &other, 0.0f, false},
        {0.0f, 150.0f, 100.0f, 0.0f, true, &player, 1.5f, false},
        {0.0f, 150.5f, 100.0f, 0.0f, true, &player, 1.5f, true},
        {0.0f, 80.0f, 50.0f, 0.0f, false, &bot, 0.0f, false},
        {0.0f, 80.0f, 50.0f, 0.3f, true, &player, -1.5f, false},
        {40.0f, 80.0f, 100.0f, 40.5f, false, &other, 40.0f - 1.5f, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.mass << " " << c.distance << " " << c.angle << " " << c.playersGrid);
        reset({76.0f, 76.0f}, c.heading, c.mass);
        addBodyAt(c.playersGrid ? players : bots, *c.owner, c.distance, c.angle);
        decide();
        EXPECT_EQ(bot.targetHeading, c.expectedTarget);
        EXPECT_EQ(bot.boosting, c.boosts);
    }
    // Within one cell the bots' grid comes before the player's, skipping the bot's own body.
    reset();
    addBodyAt(bots, bot, 50.0f, 0.3f);
    addBodyAt(players, player, 50.0f, 0.5f);
    addBodyAt(bots, other, 50.0f, -0.5f);
    decide();
    EXPECT_EQ(bot.targetHeading, 1.5f);
}

TEST_F(Steering, FollowsTheNearestPelletFirstFoundOnTies) {
    // Equal distances: the earlier row of cells wins, then the earlier pellet of a cell.
    const struct {
        sf::Vector2f a, b;
        float expected;
    } cases[] = {{{376.0f, 76.0f}, {76.0f, -124.0f}, std::atan2(-200.0f, 0.0f)},
                 {{76.0f, 276.0f}, {76.0f, -124.0f}, std::atan2(-200.0f, 0.0f)},
                 {{76.0f, 106.0f}, {106.0f, 76.0f}, std::atan2(30.0f, 0.0f)}};
    for (const auto& c : cases) {
        reset();
        bot.boosting = true;
        addFood(c.a);
        addFood(c.b);
        decide();
        EXPECT_EQ(bot.targetHeading, c.expected) << c.a.x << " " << c.a.y;
        EXPECT_FALSE(bot.boosting);
    }
    // Nothing in reach: the last target stands.
    reset();
    bot.targetHeading = 2.0f;
    bot.boosting = true;
    addFood({76.0f + 4.0f * 152.0f, 76.0f});  // four cells over
    decide();
    EXPECT_EQ(bot.targetHeading, 2.0f);
    EXPECT_FALSE(bot.boosting);
}
