#include "render/Minimap.h"

#include "sim/Arena.h"

namespace {

const float MapRadius = 90.0f;

sf::Vector2f minimapPoint(sf::Vector2f world, sf::Vector2f center) {
    return sf::Vector2f(world.x / ArenaRadius * MapRadius + center.x, world.y / ArenaRadius * MapRadius + center.y);
}

}  // namespace

sf::Vector2f minimapCenter(sf::Vector2u windowSize) {
    return sf::Vector2f(static_cast<float>(windowSize.x) - MapRadius - 40.0f,
                        static_cast<float>(windowSize.y) - MapRadius - 40.0f);
}

void buildMinimapDots(std::vector<MinimapDot>& dots, const std::vector<std::unique_ptr<Snake>>& snakes,
                      sf::Vector2f center) {
    dots.clear();
    for (const auto& snake : snakes) {
        if (!snake->alive) continue;
        const sf::Vector2f position = minimapPoint(snake->points[0], center);
        dots.push_back(snake->isPlayer ? MinimapDot{position, 3.5f, sf::Color::Cyan}
                                       : MinimapDot{position, 2.2f, sf::Color::Red});
    }
}

Minimap::Minimap()
    : disc(MapRadius, 30),
      dotShape(0.0f, 30) {
    disc.setOrigin(MapRadius, MapRadius);
    disc.setFillColor(sf::Color(0, 0, 0, 150));
    disc.setOutlineThickness(2.0f);
    disc.setOutlineColor(sf::Color(100, 100, 100, 200));
    dots.reserve(MaxSnakes);
}

void Minimap::draw(sf::RenderTarget& target, const std::vector<std::unique_ptr<Snake>>& snakes) {
    const sf::Vector2f center = minimapCenter(target.getSize());
    disc.setPosition(center);
    target.draw(disc);
    buildMinimapDots(dots, snakes, center);
    for (const MinimapDot& dot : dots) {
        if (dotShape.getRadius() != dot.radius) {
            dotShape.setRadius(dot.radius);
            dotShape.setOrigin(dot.radius, dot.radius);
        }
        dotShape.setFillColor(dot.color);
        dotShape.setPosition(dot.position);
        target.draw(dotShape);
    }
}
