#include "render/Minimap.h"

#include "sim/Arena.h"

namespace {

const float MapRadius = 90.0f;

sf::CircleShape dot(float radius, sf::Color color) {
    sf::CircleShape shape(radius, 30);
    shape.setOrigin(radius, radius);
    shape.setFillColor(color);
    return shape;
}

}  // namespace

sf::Vector2f minimapCenter(sf::Vector2u windowSize) {
    return sf::Vector2f(static_cast<float>(windowSize.x) - MapRadius - 40.0f,
                        static_cast<float>(windowSize.y) - MapRadius - 40.0f);
}

sf::Vector2f minimapPoint(sf::Vector2f world, sf::Vector2f center) {
    return sf::Vector2f(world.x / ArenaRadius * MapRadius + center.x, world.y / ArenaRadius * MapRadius + center.y);
}

Minimap::Minimap()
    : disc(dot(MapRadius, sf::Color(0, 0, 0, 150))),
      playerDot(dot(3.5f, sf::Color::Cyan)),
      botDot(dot(2.2f, sf::Color::Red)) {
    disc.setOutlineThickness(2.0f);
    disc.setOutlineColor(sf::Color(100, 100, 100, 200));
}

void Minimap::draw(sf::RenderTarget& target, const std::vector<std::unique_ptr<Snake>>& snakes) {
    const sf::Vector2f center = minimapCenter(target.getSize());
    disc.setPosition(center);
    target.draw(disc);
    for (const auto& snake : snakes) {
        if (!snake->alive) continue;
        sf::CircleShape& headDot = snake->isPlayer ? playerDot : botDot;
        headDot.setPosition(minimapPoint(snake->points[0], center));
        target.draw(headDot);
    }
}
