#include "TestWorld.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace {

// A bot deciding at once among bodies and pellets a test lays out.
struct Steering : ::testing::Test {
    void steer(float stepTime = 0.0f) {
        bot.thinkTimer = 0.0f;
        bot.steerBot(bots, players, pellets, StepSeconds, stepTime);
    }
    void add(Pellet& pellet) { pellets[cellOf(pellet.position.x, pellet.position.y).index()].push_back(&pellet); }

    SegmentGrid bots{MaxSnakes * MaxPoints}, players{MaxPoints};
    PelletGrid pellets{GridCells};
    Snake player{0, loosePool.data(), L"Kai", sf::Color::Cyan, true};
    Snake bot{1, loosePool.data(), L"", sf::Color::White, false};
    Snake other{2, loosePool.data(), L"", sf::Color::White, false};
};

}  // namespace

TEST_F(Steering, BotsSwerveFromTheFirstBodyPointInTheConeAndTurnBackBeyond3650) {
    // A body ahead or to the left turns the bot right, one to the right turns it left; outside the 1.2 rad cone
    // or 200 away the food rule (no food here) keeps the target and ends a boost. Above mass 150 the bot boosts
    // away. Its own body is never a danger, the player's always is; the heading is wrapped for the cone test.
    // Beyond 3650 from the centre it turns back over any body and keeps its boost. The bot's head, heading and
    // mass, the body's distance and angle from the head and its owner, then the target and the boost.
    const std::tuple<sf::Vector2f, float, float, float, float, const Snake*, float, bool> cases[] = {
        {{76.0f, 76.0f}, 0.0f, 80.0f, 100.0f, 0.0f, &other, 1.5f, false},
        {{76.0f, 76.0f}, 0.0f, 80.0f, 199.9f, 1.19f, &other, -1.5f, false},
        {{76.0f, 76.0f}, 0.0f, 80.0f, 100.0f, 1.21f, &other, 0.0f, false},
        {{76.0f, 76.0f}, 0.0f, 80.0f, 200.0f, 0.0f, &other, 0.0f, false},
        {{76.0f, 76.0f}, 0.0f, 150.0f, 100.0f, 0.0f, &player, 1.5f, false},
        {{76.0f, 76.0f}, 0.0f, 150.5f, 100.0f, -0.3f, &player, 1.5f, true},
        {{76.0f, 76.0f}, 0.0f, 80.0f, 50.0f, 0.0f, &bot, 0.0f, false},
        {{76.0f, 76.0f}, 40.0f, 80.0f, 100.0f, 40.5f, &other, 38.5f, false},
        {{3650.0f, 0.0f}, 0.0f, 300.0f, 50.0f, 0.3f, &other, -1.5f, true},
        {{0.0f, 3650.5f}, 0.0f, 300.0f, 50.0f, 0.0f, &other, -Pi / 2.0f, true}};
    for (const auto& [head, heading, mass, distance, angle, owner, target, boosts] : cases) {
        bots.clear();
        players.clear();
        place(bot, head, heading, mass);
        const sf::Vector2f at = head + distance * sf::Vector2f(std::cos(angle), std::sin(angle));
        const sf::Vector2f body[2] = {at, at};
        (owner == &player ? players : bots).addBody(body, 2, owner);
        bots.finish();
        players.finish();
        bot.boosting = true;
        steer();
        EXPECT_EQ(std::make_pair(bot.targetHeading, bot.boosting), std::make_pair(target, boosts))
            << head.y << " " << mass << " " << distance << " " << angle;
    }
    // The weave: sin(2t) x 0.3 rad off the way home, its whole 0.3 at t = pi / 4.
    place(bot, {0.0f, 3650.5f}, 0.0f, 80.0f);
    steer(Pi / 4.0f);
    EXPECT_NEAR(bot.targetHeading, 0.3f - Pi / 2.0f, 1e-6f);
}

TEST_F(Steering, BotsDecideEvery18To21StepsToHeadForTheNearestPelletWithin800UnitsTheFirstFoundWinningATie) {
    // The head in the middle of cell (25, 25), which spans 0 to 152: the cells searched span -456 to 608.
    // Outside them at 540, then inside at 500, then two at 400, the one in the later-visited row added first.
    Pellet food[] = {{{616.0f, 76.0f}}, {{76.0f, -424.0f}}, {{76.0f, 476.0f}}, {{-324.0f, 76.0f}}};
    const float targets[] = {0.3f, -Pi / 2.0f, Pi / 2.0f, Pi};
    for (int n = 0; n < 4; ++n) {
        add(food[n]);
        place(bot, {76.0f, 76.0f}, 0.3f, 80.0f);
        bot.boosting = true;
        steer();
        EXPECT_EQ(std::make_pair(bot.targetHeading, bot.boosting), std::make_pair(targets[n], false)) << n;
    }
    // A decision every 18 to 21 steps (0.300 to 0.349 s), the draws reaching both ends.
    std::srand(12);
    std::set<int> intervals;
    bot.thinkTimer = 0.0f;
    for (int step = 0, since = 0; step < 6000; ++step, ++since) {
        const float before = bot.thinkTimer;
        bot.steerBot(bots, players, pellets, StepSeconds, 0.0f);
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
        pellets.assign(GridCells, {});
        add(pellet);
        place(bot, {0.5f, 0.5f}, 0.3f, 80.0f);
        steer();
        EXPECT_EQ(bot.targetHeading, side < 565.7f ? Pi / 4.0f : 0.3f) << side;
    }
}
