#pragma once

#include "sim/World.h"

#include <cmath>

// Puts every bot to sleep for good and empties the pellet pool, so a test
// can place exactly the snakes and pellets it looks at. The free stack is
// back in its first order, 899 on top.
inline void quieten(World& world) {
    for (std::size_t i = 1; i < world.snakes.size(); ++i) {
        world.snakes[i]->alive = false;
        world.snakes[i]->respawnTimer = 1.0e9f;
    }
    for (Pellet& pellet : world.pellets) pellet.isFree = true;
    world.freePellets.clear();
    for (int i = 0; i < PelletPoolSize; ++i) world.freePellets.push_back(i);
    world.rebuildPelletGrid();
    world.rebuildSegmentGrids();
    world.particles.clear();
}

// A live snake of the given mass, its points laid from the head backwards
// (against the heading) at the given spacing; a spacing of 0 folds them.
inline void place(Snake& snake, sf::Vector2f head, float heading, float mass, std::size_t count = 15,
                  float spacing = 0.0f) {
    snake.alive = true;
    snake.mass = mass;
    snake.radiusSquared = radiusSquaredFor(mass);
    snake.heading = heading;
    snake.targetHeading = heading;
    snake.boosting = false;
    snake.pointCount = count;
    const sf::Vector2f back(-std::cos(heading) * spacing, -std::sin(heading) * spacing);
    for (std::size_t i = 0; i < count; ++i)
        snake.points[i] = head + back * static_cast<float>(i);
    snake.updateBounds();
}
