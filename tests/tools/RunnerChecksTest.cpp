#include <gtest/gtest.h>

#include "Invariants.h"

#include "sim/BotNames.h"
#include "sim/World.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

// Each text must be in some violation, and there must be as many violations as texts.
void expectViolations(const World& world, const std::vector<std::string>& texts) {
    const std::vector<std::string> found = InvariantChecker().check(world);
    EXPECT_EQ(found.size(), texts.size());
    for (const std::string& text : texts)
        EXPECT_TRUE(std::any_of(found.begin(), found.end(), [&](const std::string& line) {
            return line.find(text) != std::string::npos;
        })) << text;
}

}  // namespace

TEST(RunnerInvariants, CatchBrokenPelletBookkeepingSharedNamesBadBodiesAndNonFiniteNumbers) {
    std::srand(5);
    World world;
    world.startPlayer(L"あなた", sf::Color::Cyan);
    expectViolations(world, {});
    const int topFree = world.freePellets.back();  // pellets from 600 on are in play
    std::vector<Pellet*>& cell =
        world.pelletGrid[cellOf(world.pellets[600].position.x, world.pellets[600].position.y).index()];
    cell.push_back(&world.pellets[600]);
    expectViolations(world, {"listed 2 times"});
    cell.pop_back();
    cell.push_back(&world.pellets[topFree]);
    expectViolations(world, {"free pellet " + std::to_string(topFree) + " is listed 1 times"});
    cell.pop_back();
    world.freePellets.back() = 600;
    expectViolations(world, {"pellet 600 in play is on the free stack", "is on the free stack 0 times"});
    world.freePellets.back() = topFree;
    cell.erase(std::find(cell.begin(), cell.end(), &world.pellets[600]));
    expectViolations(world, {"listed 0 times"});
    world.pellets[600].isFree = true;
    world.freePellets.push_back(600);
    expectViolations(world, {"only 299 pellets"});
    world.addPellet({0.0f, 0.0f}, 4.0f, sf::Color::White, false);

    world.player().name = world.snakes[1]->name;
    world.snakes[2]->name = world.snakes[3]->name = L"Bot_7";  // the fallback may repeat
    expectViolations(world, {});
    world.snakes[2]->name = world.snakes[1]->name;
    expectViolations(world, {"row " + std::to_string(botNameRow(world.snakes[1]->name)) + " carried by two bots"});
    world.snakes[2]->name = L"Bot_7";

    Snake& bot = *world.snakes[4];
    for (std::size_t count : {std::size_t{0}, MaxPoints + 1}) {
        bot.pointCount = count;
        expectViolations(world, {"has " + std::to_string(count) + " points"});
    }
    bot.alive = false;
    bot.pointCount = 0;
    expectViolations(world, {});
    Snake& other = *world.snakes[5];
    other.heading = NAN;
    other.mass = INFINITY;
    other.points[14].y = NAN;
    expectViolations(world, {"heading", "mass", "point 14"});
}
