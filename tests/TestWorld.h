#pragma once

#include "sim/Arena.h"
#include "sim/World.h"

#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>

// Points for snakes of their own, outside any world.
inline std::vector<sf::Vector2f> loosePool(MaxSnakes* MaxPoints);

inline float distance(sf::Vector2f a, sf::Vector2f b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

// Every bot asleep for good, the pellet pool empty with its free stack back in first order (899 on top), so a test
// places exactly what it looks at.
inline void quieten(World& world) {
    for (std::size_t i = 1; i < world.snakes.size(); ++i) {
        world.snakes[i]->alive = false;
        world.snakes[i]->respawnTimer = 1.0e9f;
    }
    for (Pellet& pellet : world.pellets) pellet.isFree = true;
    world.freePellets.clear();
    for (int i = 0; i < PelletPoolSize; ++i) world.freePellets.push_back(i);
    world.rebuildPelletGrid();
    world.particles.clear();
}

inline std::unique_ptr<World> quietWorld(unsigned seed) {
    std::srand(seed);
    auto world = std::make_unique<World>();
    quieten(*world);
    return world;
}

// A live snake whose points run back from the head against the heading; a spacing of 0 folds them.
inline void place(Snake& snake, sf::Vector2f head, float heading, float mass, std::size_t count = 15,
                  float spacing = 0.0f) {
    snake.alive = true;
    snake.mass = mass;
    snake.radiusSquared = radiusSquaredFor(mass);
    snake.heading = snake.targetHeading = heading;
    snake.boosting = false;
    snake.pointCount = count;
    const sf::Vector2f back(-std::cos(heading) * spacing, -std::sin(heading) * spacing);
    for (std::size_t i = 0; i < count; ++i) snake.points[i] = head + back * static_cast<float>(i);
    snake.updateBounds();
}
