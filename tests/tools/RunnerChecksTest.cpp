#include <gtest/gtest.h>

#include "Invariants.h"

#include "sim/World.h"

#include <cmath>
#include <cstdlib>

// The soaks trust the checker: it must see a broken world.
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
    EXPECT_EQ(checker.check(world).size(), 4u);
}
