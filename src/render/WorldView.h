#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/View.hpp>
#include <SFML/System/Vector2.hpp>

// The camera's view of the world: one world unit is `zoom` pixels.
sf::View worldView(sf::Vector2f cameraCenter, float zoom, sf::Vector2u windowSize);

// The edges of a view as the culling tests compare against them.
struct ViewBounds {
    explicit ViewBounds(const sf::View& view);

    // True when p lies within `margin` of the view, edges included.
    bool near(sf::Vector2f p, float margin) const;

    float left, top, right, bottom;  // centre -/+ half the size
    sf::FloatRect rect;  // left, top and the full size
};
