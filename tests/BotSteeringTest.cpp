#include "TestWorld.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

TEST(Steering, BotsSwerveFromTheFirstBodyPointInTheConeAndTurnBackBeyond3650) {
    std::vector<sf::Vector2f> pool(MaxSnakes * MaxPoints);
    SegmentGrid bots(MaxSnakes * MaxPoints), players(MaxPoints);
    const PelletGrid pellets(GridCells);
    Snake player{0, pool.data(), L"Kai", sf::Color::Cyan, true};
    Snake bot{1, pool.data(), L"", sf::Color::White, false};
    Snake other{2, pool.data(), L"", sf::Color::White, false};
    // A body ahead or to the left turns the bot right, one to the right turns it left; outside the 1.2 rad cone
    // or 200 away the food rule (no food here) keeps the target and ends a boost. Above mass 150 the bot boosts
    // away. Its own body is never a danger, the player's always is; the heading is wrapped for the cone test.
    // Beyond 3650 from the centre it turns back over any body and keeps its boost.
    const struct {
        sf::Vector2f head;
        float heading, mass, distance, angle;
        const Snake* owner;
        float target;
        bool boosts;
    } cases[] = {{{76.0f, 76.0f}, 0.0f, 80.0f, 100.0f, 0.0f, &other, 1.5f, false},
                 {{76.0f, 76.0f}, 0.0f, 80.0f, 199.9f, 1.19f, &other, -1.5f, false},
                 {{76.0f, 76.0f}, 0.0f, 80.0f, 100.0f, 1.21f, &other, 0.0f, false},
                 {{76.0f, 76.0f}, 0.0f, 80.0f, 200.0f, 0.0f, &other, 0.0f, false},
                 {{76.0f, 76.0f}, 0.0f, 150.0f, 100.0f, 0.0f, &player, 1.5f, false},
                 {{76.0f, 76.0f}, 0.0f, 150.5f, 100.0f, -0.3f, &player, 1.5f, true},
                 {{76.0f, 76.0f}, 0.0f, 80.0f, 50.0f, 0.0f, &bot, 0.0f, false},
                 {{76.0f, 76.0f}, 40.0f, 80.0f, 100.0f, 40.5f, &other, 38.5f, false},
                 {{3650.0f, 0.0f}, 0.0f, 300.0f, 50.0f, 0.3f, &other, -1.5f, true},
                 {{0.0f, 3650.5f}, 0.0f, 300.0f, 50.0f, 0.0f, &other, -Pi / 2.0f, true}};
    for (const auto& c : cases) {
        bots.clear();
        players.clear();
        place(bot, c.head, c.heading, c.mass);
        const sf::Vector2f at = c.head + c.distance * sf::Vector2f(std::cos(c.angle), std::sin(c.angle));
        const sf::Vector2f body[2] = {at, at};
        (c.owner == &player ? players : bots).addBody(body, 2, c.owner);
        bots.finish();
        players.finish();
        bot.boosting = true;
        bot.thinkTimer = 0.0f;
        bot.steerBot(bots, players, pellets, StepSeconds, 0.0f);
        EXPECT_EQ(std::make_pair(bot.targetHeading, bot.boosting), std::make_pair(c.target, c.boosts))
            << c.head.y << " " << c.mass << " " << c.distance << " " << c.angle;
    }
    // The weave: sin(2t) x 0.3 rad off the way home, its whole 0.3 at t = pi / 4.
    place(bot, {0.0f, 3650.5f}, 0.0f, 80.0f);
    bot.thinkTimer = 0.0f;
    bot.steerBot(bots, players, pellets, StepSeconds, Pi / 4.0f);
    EXPECT_NEAR(bot.targetHeading, 0.3f - Pi / 2.0f, 1e-6f);
}

TEST(Steering, BotsDecideEvery18To21StepsToHeadForTheNearestPelletWithin800UnitsTheFirstFoundWinningATie) {
    std::vector<sf::Vector2f> pool(MaxSnakes * MaxPoints);
    const SegmentGrid bots(MaxSnakes * MaxPoints), players(MaxPoints);
    Snake bot{1, pool.data(), L"", sf::Color::White, false};
    // The head in the middle of cell (25, 25), which spans 0 to 152: the cells searched span -456 to 608.
    // Outside them at 540, then inside at 500, then two at 400, the one in the later-visited row added first.
    std::vector<Pellet> pellets = {{{616.0f, 76.0f}}, {{76.0f, -424.0f}}, {{76.0f, 476.0f}}, {{-324.0f, 76.0f}}};
    const float targets[] = {0.3f, -Pi / 2.0f, Pi / 2.0f, Pi};
    PelletGrid grid(GridCells);
    for (std::size_t n = 0; n < pellets.size(); ++n) {
        grid[cellOf(pellets[n].position.x, pellets[n].position.y).index()].push_back(&pellets[n]);
        place(bot, {76.0f, 76.0f}, 0.3f, 80.0f);
        bot.boosting = true;
        bot.thinkTimer = 0.0f;
        bot.steerBot(bots, players, grid, StepSeconds, 0.0f);
        EXPECT_EQ(std::make_pair(bot.targetHeading, bot.boosting), std::make_pair(targets[n], false)) << n;
    }
    // A decision every 18 to 21 steps (0.300 to 0.349 s), the draws reaching both ends.
    std::srand(12);
    std::set<int> intervals;
    bot.thinkTimer = 0.0f;
    for (int step = 0, since = 0; step < 6000; ++step, ++since) {
        const float before = bot.thinkTimer;
        bot.steerBot(bots, players, grid, StepSeconds, 0.0f);
        if (bot.thinkTimer > before) {
            if (step > 0) intervals.insert(since);
            since = 0;
        }
    }
    EXPECT_EQ(intervals, (std::set<int>{18, 19, 20, 21}));
    // From a cell's corner the cells searched reach past 800 units on the diagonal: food at 799.9 is sought, at
    // 800.2 not.
    for (const float side : {565.6f, 565.8f}) {
        Pellet pellet{{0.5f + side, 0.5f + side}};
        PelletGrid one(GridCells);
        one[cellOf(pellet.position.x, pellet.position.y).index()].push_back(&pellet);
        place(bot, {0.5f, 0.5f}, 0.3f, 80.0f);
        bot.thinkTimer = 0.0f;
        bot.steerBot(bots, players, one, StepSeconds, 0.0f);
        EXPECT_EQ(bot.targetHeading, side < 565.7f ? Pi / 4.0f : 0.3f) << side;
    }
}
