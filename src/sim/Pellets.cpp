#include "sim/World.h"

#include <cmath>
#include <cstdlib>

void World::addPellet(sf::Vector2f position, float size, sf::Color color, bool isBig) {
    if (freePellets.empty()) return;  // a full pool drops the pellet
    const int index = freePellets.back();
    freePellets.pop_back();
    pellets[index] = Pellet{position, size, color, isBig, false};
    pelletGrid[cellOf(position.x, position.y).index()].push_back(&pellets[index]);
}

void World::spawnRandomPellet() {
    const int direction = degreeIndex(std::rand() % 360);
    const float distance = static_cast<float>(std::rand() % 3600);
    const TrigTable& table = trigTable();
    const sf::Vector2f position(distance * table.cosine[direction], distance * table.sine[direction]);
    if (std::rand() % 25 == 0) {
        addPellet(position, 15.0f, sf::Color::White, true);
        return;
    }
    const float size = static_cast<float>(std::rand() % 6 + 4);
    const int blue = std::rand() % 200 + 55;
    const int green = std::rand() % 200 + 55;
    const int red = std::rand() % 200 + 55;
    addPellet(position, size,
              sf::Color(static_cast<sf::Uint8>(red), static_cast<sf::Uint8>(green), static_cast<sf::Uint8>(blue), 255),
              false);
}

void World::rebuildPelletGrid() {
    for (std::vector<Pellet*>& cell : pelletGrid) cell.clear();
    for (Pellet& pellet : pellets)
        if (!pellet.isFree) pelletGrid[cellOf(pellet.position.x, pellet.position.y).index()].push_back(&pellet);
}

void World::topUpPellets() {
    while (livePelletCount() < MinLivePellets) spawnRandomPellet();
}

// Pellets within the eat radius go into the snake; those within four radii
// are pulled 8.5 units toward the head but stay listed in their old cell.
void World::eatAndAttract(Snake& snake, float radius, Cell cell) {
    const sf::Vector2f head = snake.points[0];
    const float attractReach = radius * 4.0f;
    forEachCellAround(cell, 1, [&](int index) {
        std::vector<Pellet*>& listed = pelletGrid[index];
        for (std::size_t k = 0; k < listed.size();) {
            Pellet& pellet = *listed[k];
            const float dx = head.x - pellet.position.x;
            const float dy = head.y - pellet.position.y;
            const float distanceSquared = dx * dx + dy * dy;
            if (distanceSquared >= attractReach * attractReach) {
                ++k;
            } else if (distanceSquared < radius * radius * 1.8f) {
                snake.mass += pellet.size;
                snake.radiusSquared = radiusSquaredFor(snake.mass);
                pellet.isFree = true;
                freePellets.push_back(static_cast<int>(&pellet - pellets.data()));
                listed.erase(listed.begin() + static_cast<std::ptrdiff_t>(k));
            } else {
                const float pull = 8.5f / std::sqrt(distanceSquared);
                pellet.position.x += dx * pull;
                pellet.position.y += dy * pull;
                ++k;
            }
        }
    });
}
