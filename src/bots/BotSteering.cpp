#include "sim/Arena.h"
#include "sim/Snake.h"

#include <cmath>
#include <cstdlib>

namespace {

// The first body point within 200 units and inside the 1.2 rad cone ahead
// decides the swerve; the bot's own body is ignored, the player's never.
bool swerveFromDanger(Snake& bot, Cell cell, const SegmentGrid& botSegmentGrid, const SegmentGrid& playerSegmentGrid) {
    const sf::Vector2f head = bot.points[0];
    const auto threatens = [&](const SegmentEntry& segment) {
        const float vx = segment.a.x - head.x;
        const float vy = segment.a.y - head.y;
        if (!(vx * vx + vy * vy < 40000.0f)) return false;
        const float relative = wrapAngle(std::atan2(vy, vx) - bot.heading);
        if (!(std::fabs(relative) < 1.2f)) return false;
        bot.targetHeading = relative > 0.0f ? bot.heading - 1.5f : bot.heading + 1.5f;
        bot.boosting = bot.mass > 150.0f;
        return true;
    };
    return forEachCellAround(cell, 2, [&](int index) {
        return botSegmentGrid.anyIn(index, [&](const SegmentEntry& segment) {
                   return segment.owner != &bot && threatens(segment);
               }) ||
               playerSegmentGrid.anyIn(index, threatens);
    });
}

// Heads for the nearest pellet within 800 units in the 7 x 7 cells around;
// with none in reach the last heading stands.
void seekFood(Snake& bot, Cell cell, const PelletGrid& pelletGrid) {
    const sf::Vector2f head = bot.points[0];
    float best = 640000.0f;
    const Pellet* nearest = nullptr;
    forEachCellAround(cell, 3, [&](int index) {
        for (const Pellet* pellet : pelletGrid[index]) {
            const float dx = head.x - pellet->position.x;
            const float dy = head.y - pellet->position.y;
            const float distanceSquared = dx * dx + dy * dy;
            if (distanceSquared < best) {
                best = distanceSquared;
                nearest = pellet;
            }
        }
    });
    if (nearest)
        bot.targetHeading = std::atan2(nearest->position.y - head.y, nearest->position.x - head.x);
}

}  // namespace

void Snake::steerBot(const SegmentGrid& botSegmentGrid, const SegmentGrid& playerSegmentGrid,
                     const PelletGrid& pelletGrid, float dt, float stepTime) {
    if (isPlayer || !alive) return;
    thinkTimer -= dt;
    if (thinkTimer > 0.0f) return;
    thinkTimer = static_cast<float>(std::rand() % 50) / 1000.0f + 0.3f;

    const sf::Vector2f head = points[0];
    const Cell cell = cellOf(head.x, head.y);
    if (head.x * head.x + head.y * head.y > 1.33225e7f) {
        // Back toward the centre with a slow weave; boosting stays as it was.
        targetHeading = std::atan2(-head.y, -head.x) + std::sin(stepTime * 2.0f) * 0.3f;
        return;
    }
    if (swerveFromDanger(*this, cell, botSegmentGrid, playerSegmentGrid)) return;
    boosting = false;
    seekFood(*this, cell, pelletGrid);
}
