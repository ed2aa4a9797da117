#include <gtest/gtest.h>

#include "Invariants.h"

#include "sim/BotNames.h"
#include "sim/World.h"

#include <cmath>
#include <cstdlib>

// The soaks trust the checker: it must see a broken world, and say what broke.
TEST(RunnerInvariants, CatchBrokenPelletBookkeepingSharedNamesBadBodiesAndNonFiniteNumbers) {
    std::srand(5);
    World world;
    world.startPlayer(L"あなた", sf::Color::Cyan);
    InvariantChecker checker;
    EXPECT_TRUE(checker.check(world).empty());
    world.pelletGrid[0].push_back(&world.pellets[600]);  // in play since the start: now listed twice
    world.snakes[2]->name = world.snakes[1]->name;
    world.snakes[4]->pointCount = MaxPoints + 1;
    world.snakes[5]->mass = NAN;
    const std::string row = std::to_string(botNameRow(world.snakes[1]->name));
    EXPECT_EQ(checker.check(world),
              (std::vector<std::string>{"pellet 600 in play is listed 2 times in the grid",
                                        "table name of row " + row + " carried by two bots",
                                        "live snake 4 has 513 points", "snake 5 has a mass of nan"}));
}
