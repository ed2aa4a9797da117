#include "Crowding.h"

#include "sim/Arena.h"
#include "sim/World.h"

#include <cmath>

namespace {

// The least mass whose body wants the full 512 points (trunc(sqrt(8 * (m - 80)) + 15)
// reaches 512 at 30956), with room for a step of boosting.
constexpr float CrowdedMass = 31000.0f;
// Each snake circles a home of its own, the homes spread over the arena as
// seeds in a sunflower head, 800 units apart at the closest; so no head
// ever comes within reach of another body.
constexpr float HomeSpread = 517.0f;
constexpr float GoldenAngle = 2.3999632f;
constexpr float OrbitRadius = 100.0f;
constexpr float Lookahead = 0.9f;  // radians along the orbit to the point steered at

sf::Vector2f home(std::size_t id) {
    const float distance = HomeSpread * std::sqrt(static_cast<float>(id) + 0.5f);
    const float angle = GoldenAngle * static_cast<float>(id);
    return sf::Vector2f(distance * std::cos(angle), distance * std::sin(angle));
}

sf::Vector2f orbitPoint(sf::Vector2f centre, float angle) {
    return centre + OrbitRadius * sf::Vector2f(std::cos(angle), std::sin(angle));
}

// A fresh snake is set down on its orbit, its whole body folded there.
void setDown(Snake& snake, sf::Vector2f centre) {
    snake.pointCount = 1;
    snake.points[0] = orbitPoint(centre, 0.0f);
    snake.heading = snake.targetHeading = Pi / 2.0f;
}

// Steers at a point a little further round the orbit; the bot's own
// decision holds for one step at most.
void steer(Snake& snake, sf::Vector2f centre) {
    const sf::Vector2f head = snake.points[0];
    const float around = std::atan2(head.y - centre.y, head.x - centre.x);
    const sf::Vector2f aim = orbitPoint(centre, around + Lookahead);
    snake.targetHeading = std::atan2(aim.y - head.y, aim.x - head.x);
}

// The body grows to the cap at once, as growth would a point a step: each
// new point where the tail is.
void feed(Snake& snake) {
    snake.mass = CrowdedMass;
    snake.radiusSquared = radiusSquaredFor(CrowdedMass);
    snake.boosting = true;
    for (; snake.pointCount < snake.wantedLength(); ++snake.pointCount)
        snake.points[snake.pointCount] = snake.points[snake.pointCount - 1];
    snake.updateBounds();
}

}  // namespace

void crowd(World& world) {
    for (auto& entry : world.snakes) {
        Snake& snake = *entry;
        const sf::Vector2f centre = home(snake.id);
        if (!snake.alive) snake.respawn(centre);
        const sf::Vector2f offset = snake.points[0] - centre;
        if (offset.x * offset.x + offset.y * offset.y > 4.0f * OrbitRadius * OrbitRadius) setDown(snake, centre);
        steer(snake, centre);
        feed(snake);
    }
    while (!world.freePellets.empty()) world.spawnRandomPellet();
}

PlayerInput crowdedPlayerInput() {
    PlayerInput input;
    input.leftButton = true;
    return input;
}
