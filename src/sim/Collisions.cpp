#include "sim/Particle.h"
#include "sim/World.h"

#include <algorithm>
#include <cmath>

float distanceToSegmentSquared(sf::Vector2f p, sf::Vector2f a, sf::Vector2f b) {
    const float dx = b.x - a.x;
    const float dy = b.y - a.y;
    const float lengthSquared = dx * dx + dy * dy;
    if (lengthSquared == 0.0f) {
        const float ex = p.x - a.x;
        const float ey = p.y - a.y;
        return ex * ex + ey * ey;
    }
    float t = ((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared;
    if (t >= 1.0f) t = 1.0f;
    if (t <= 0.0f) t = 0.0f;
    const float ex = p.x - (a.x + dx * t);
    const float ey = p.y - (a.y + dy * t);
    return ex * ex + ey * ey;
}

void World::rebuildSegmentGrids() {
    botSegmentGrid.clear();
    playerSegmentGrid.clear();
    for (const std::unique_ptr<Snake>& entry : snakes) {
        const Snake& snake = *entry;
        if (!snake.alive) continue;
        SegmentGrid& grid = snake.isPlayer ? playerSegmentGrid : botSegmentGrid;
        grid.addBody(snake.points, snake.pointCount, &snake);
    }
    botSegmentGrid.finish();
    playerSegmentGrid.finish();
}

void World::handleCollisions() {
    for (const std::unique_ptr<Snake>& entry : snakes) {
        Snake& snake = *entry;
        if (!snake.alive || snake.pointCount == 0) continue;
        const float radius = std::sqrt(snake.radiusSquared);
        const sf::Vector2f head = snake.points[0];
        const Cell cell = cellOf(head.x, head.y);
        eatAndAttract(snake, radius, cell);
        if (head.x * head.x + head.y * head.y > ArenaRadiusSquared) {
            killSnake(snake);
            continue;
        }
        if (touchesBody(snake, radius, cell)) killSnake(snake);
    }
}

namespace {

// Whether a head of the given radius touches one segment of another body,
// that body's radius read now. The reach is summed in single precision and
// squared in double.
bool touchesSegment(sf::Vector2f head, float radius, const SegmentEntry& segment) {
    const float otherRadius = std::sqrt(segment.owner->radiusSquared);
    const sf::Vector2f a = segment.a;
    const sf::Vector2f b = segment.b;
    if (!(std::min(a.x, b.x) - otherRadius <= head.x + radius && head.x - radius <= std::max(a.x, b.x) + otherRadius &&
          std::min(a.y, b.y) - otherRadius <= head.y + radius && head.y - radius <= std::max(a.y, b.y) + otherRadius))
        return false;
    const float distanceSquared = distanceToSegmentSquared(head, a, b);
    const double reach = static_cast<double>(0.85f * otherRadius + radius);
    return static_cast<double>(distanceSquared) < reach * reach;
}

}  // namespace

// The player is tested against bot bodies only, so it never hits itself; a
// bot skips its own entries.
bool World::touchesBody(const Snake& snake, float radius, Cell cell) const {
    const sf::Vector2f head = snake.points[0];
    return forEachCellAround(cell, 1, [&](int index) {
        if (botSegmentGrid.anyIn(index, [&](const SegmentEntry& segment) {
                return segment.owner != &snake && touchesSegment(head, radius, segment);
            }))
            return true;
        return !snake.isPlayer && playerSegmentGrid.anyIn(index, [&](const SegmentEntry& segment) {
            return touchesSegment(head, radius, segment);
        });
    });
}

// The body becomes a trail of pellets running from the inverted colour at
// the head to the snake's own at the tail, with sparks at every eighth point.
void World::killSnake(Snake& snake) {
    const sf::Color own = snake.color;
    const sf::Color inverted(255 - own.r, 255 - own.g, 255 - own.b);
    const std::size_t count = snake.pointCount;
    for (std::size_t i = 0; i < count; i += 2) {
        const float t = static_cast<float>(i) / static_cast<float>(count);
        const sf::Color shade(
            static_cast<sf::Uint8>(static_cast<float>(inverted.r) * (1.0f - t) + static_cast<float>(own.r) * t),
            static_cast<sf::Uint8>(static_cast<float>(inverted.g) * (1.0f - t) + static_cast<float>(own.g) * t),
            static_cast<sf::Uint8>(static_cast<float>(own.b) * t + static_cast<float>(inverted.b) * (1.0f - t)), 255);
        addPellet(snake.points[i], 5.8f, shade, false);
        if (i % 8 == 0) spawnSparks(particles, snake.points[i], shade);
    }
    snake.alive = false;
    snake.respawnTimer = snake.isPlayer ? 2.5f : 3.0f;
}
