#pragma once

#include "render/Backdrop.h"
#include "sim/World.h"

#include <memory>
#include <vector>

// The game's start from a seed, and play begun: the decoration layers make
// the first rand() draws, then the world, then the player's spawn with the
// default name and colour.
struct SeededArena {
    std::vector<DecorationLayer> layers;
    std::unique_ptr<World> world;
};

SeededArena seededArena(unsigned seed);
