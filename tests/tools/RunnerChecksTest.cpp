#include <gtest/gtest.h>

#include "Invariants.h"

#include "bots/BotNames.h"
#include "sim/World.h"

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

// The soaks trust the checker: it must see a broken world.
TEST(RunnerInvariants, CatchBrokenPelletBookkeepingSharedNamesBadBodiesAndNonFiniteNumbers) {
    std::srand(5);
    World world;
    world.startPlayer(L"あなた", sf::Color::Cyan);
    InvariantChecker checker;
    EXPECT_TRUE(checker.check(world).empty());
    world.pelletGrid[0].push_back(&world.pellets[600]);  // in play since the start: now listed twice
    world.pelletGrid[0].push_back(&world.pellets[599]);  // on top of the free stack
    world.snakes[2]->name = world.snakes[1]->name;
    world.snakes[4]->pointCount = MaxPoints + 1;
    world.snakes[5]->mass = NAN;
    world.snakes[6]->points[3].y = INFINITY;
    const std::vector<std::string> found = checker.check(world);
    const char* const expected[] = {"free pellet 599 is listed 1 times", "pellet 600 in play is listed 2 times",
                                    "carried by two bots", "snake 4 has 513 points", "mass of nan", "point 3"};
    ASSERT_EQ(found.size(), 6u);
    for (std::size_t i = 0; i < found.size(); ++i)
        EXPECT_NE(found[i].find(expected[i]), std::string::npos) << found[i];
}
