#include "SeededArena.h"

#include <cstdlib>

SeededArena seededArena(unsigned seed) {
    std::srand(seed);
    SeededArena arena;
    arena.layers = makeDecorationLayers();
    arena.world = std::make_unique<World>();
    arena.world->startPlayer(L"あなた", sf::Color(0, 255, 255));
    return arena;
}
