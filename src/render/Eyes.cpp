#include "render/Eyes.h"

#include "sim/Arena.h"

#include <cmath>

namespace {

Eye eyeAt(const Snake& snake, float radius, float offset, float squint) {
    const TrigTable& table = trigTable();
    const int i = tableIndex(snake.heading + offset);
    const sf::Vector2f head = snake.points[0];
    const sf::Vector2f white(head.x + 0.65f * radius * table.cosine[i], head.y + 0.65f * radius * table.sine[i]);
    const float q = snake.heading + 1.3f * wrapAngle(snake.targetHeading - snake.heading) + squint * snake.boostBlend;
    return Eye{white, white + sf::Vector2f(0.15f * radius * std::cos(q), 0.15f * radius * std::sin(q))};
}

}  // namespace

std::array<Eye, 2> eyesOf(const Snake& snake) {
    const float radius = std::sqrt(snake.radiusSquared);
    return {eyeAt(snake, radius, -0.8f, 0.45f), eyeAt(snake, radius, 0.8f, -0.45f)};
}
