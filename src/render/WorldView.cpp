#include "render/WorldView.h"

sf::View worldView(sf::Vector2f cameraCenter, float zoom, sf::Vector2u windowSize) {
    return sf::View(cameraCenter, sf::Vector2f(static_cast<float>(windowSize.x) / zoom,
                                               static_cast<float>(windowSize.y) / zoom));
}

ViewBounds::ViewBounds(const sf::View& view) {
    const sf::Vector2f c = view.getCenter();
    const sf::Vector2f size = view.getSize();
    left = c.x - size.x / 2.0f;
    top = c.y - size.y / 2.0f;
    right = c.x + size.x / 2.0f;
    bottom = c.y + size.y / 2.0f;
    rect = sf::FloatRect(left, top, size.x, size.y);
}

bool ViewBounds::near(sf::Vector2f p, float margin) const {
    return left - margin <= p.x && p.x <= right + margin && top - margin <= p.y && p.y <= bottom + margin;
}
