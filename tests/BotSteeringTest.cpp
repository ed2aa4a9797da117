#include "TestWorld.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A bot deciding alone at the middle of cell (25, 25), over grids the test fills.
class Steering : public ::testing::Test {
protected:
    Steering() { reset(); }
    void reset(sf::Vector2f head = {76.0f, 76.0f}, float heading = 0.0f, float mass = 80.0f) {
        bots.clear();
        players.clear();
        for (auto& cell : pellets) cell.clear();
        food.clear();
        food.reserve(4);
        place(bot, head, heading, mass);
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

TEST_F(Steering, BeyondRadius3650BotsTurnBackWithAWeaveOverFoodAndBodies) {
    reset({3650.0f, 0.0f}, 0.0f, 300.0f);  // exactly 3650: the food rule, which ends a boost
    bot.boosting = true;
    addFood({3600.0f, 100.0f});
    decide();
    EXPECT_FLOAT_EQ(bot.targetHeading, std::atan2(100.0f, -50.0f));
    EXPECT_FALSE(bot.boosting);
    reset({0.0f, 3650.5f}, 0.0f, 300.0f);
    bot.boosting = true;
    addFood({0.0f, 3600.0f});
    addBodyAt(bots, other, 50.0f, 0.0f);
    decide(0.75f);
    EXPECT_NEAR(bot.targetHeading, -Pi / 2.0f + std::sin(1.5f) * 0.3f, 1e-6f);
    EXPECT_TRUE(bot.boosting);  // left as it was
}

TEST_F(Steering, SwervesFromTheFirstBodyPointInsideTheConeAndBoostsAwayAbove150) {
    // Right of the heading turns left, ahead or left turns right; outside the
    // cone or 200 away nothing swerves. Its own body is never a danger, the
    // player's always is. Many turns of heading are wrapped for the cone test.
    const struct {
        float heading, mass, distance, angle;
        bool playersGrid;
        const Snake* owner;
        float target;
        bool boosts;
    } cases[] = {
        {0.0f, 80.0f, 100.0f, 0.0f, false, &other, 1.5f, false},
        {0.0f, 80.0f, 199.9f, 1.19f, false, &other, -1.5f, false},
        {0.0f, 80.0f, 100.0f, 1.21f, false, &other, 0.0f, false},
        {0.0f, 80.0f, 200.0f, 0.0f, false, &other, 0.0f, false},
        {0.0f, 150.0f, 100.0f, 0.0f, true, &player, 1.5f, false},
        {0.0f, 150.5f, 100.0f, 0.0f, true, &player, 1.5f, true},
        {0.0f, 80.0f, 50.0f, 0.0f, false, &bot, 0.0f, false},
        {40.0f, 80.0f, 100.0f, 40.5f, false, &other, 40.0f - 1.5f, false},
    };
    for (const auto& c : cases) {
        reset({76.0f, 76.0f}, c.heading, c.mass);
        addBodyAt(c.playersGrid ? players : bots, *c.owner, c.distance, c.angle);
        decide();
        EXPECT_EQ(std::make_pair(bot.targetHeading, bot.boosting), std::make_pair(c.target, c.boosts))
            << c.mass << " " << c.distance << " " << c.angle;
    }
    // Within one cell the bots' grid comes before the player's.
    reset();
    addBodyAt(bots, bot, 50.0f, 0.3f);
    addBodyAt(players, player, 50.0f, 0.5f);
    addBodyAt(bots, other, 50.0f, -0.5f);
    decide();
    EXPECT_EQ(bot.targetHeading, 1.5f);
}
