#include "Crowding.h"

#include "sim/World.h"

namespace {
// trunc(sqrt(8 * (40000 - 80)) + 15) is 580, well over the 512-point cap.
constexpr float CrowdedMass = 40000.0f;
}

void crowd(World& world) {
    for (auto& snake : world.snakes) {
        snake->mass = CrowdedMass;
        snake->radiusSquared = radiusSquaredFor(CrowdedMass);
    }
    while (!world.freePellets.empty()) world.spawnRandomPellet();
}
