#include "render/Minimap.h"

#include "sim/Arena.h"

#include <SFML/Graphics/CircleShape.hpp>

namespace {

const float MapRadius = 90.0f;

void drawDot(sf::RenderTarget& target, float radius, sf::Vector2f position, sf::Color color) {
    sf::CircleShape dot(radius, 30);
    dot.setOrigin(radius, radius);
    dot.setPosition(position);
    dot.setFillColor(color);
    target.draw(dot);
}

}  // namespace

sf::Vector2f minimapCenter(sf::Vector2u windowSize) {
    return sf::Vector2f(static_cast<float>(windowSize.x) - MapRadius - 40.0f,
                        static_cast<float>(windowSize.y) - MapRadius - 40.0f);
}

sf::Vector2f minimapPoint(sf::Vector2f world, sf::Vector2f center) {
    return sf::Vector2f(world.x / ArenaRadius * MapRadius + center.x, world.y / ArenaRadius * MapRadius + center.y);
}

void drawMinimap(sf::RenderTarget& target, const std::vector<std::unique_ptr<Snake>>& snakes) {
    const sf::Vector2f center = minimapCenter(target.getSize());
    sf::CircleShape disc(MapRadius, 30);
    disc.setOrigin(MapRadius, MapRadius);
    disc.setPosition(center);
    disc.setFillColor(sf::Color(0, 0, 0, 150));
    disc.setOutlineThickness(2.0f);
    disc.setOutlineColor(sf::Color(100, 100, 100, 200));
    target.draw(disc);
    for (const auto& snake : snakes) {
        if (!snake->alive) continue;
        const sf::Vector2f position = minimapPoint(snake->points[0], center);
        if (snake->isPlayer)
            drawDot(target, 3.5f, position, sf::Color::Cyan);
        else
            drawDot(target, 2.2f, position, sf::Color::Red);
    }
}
