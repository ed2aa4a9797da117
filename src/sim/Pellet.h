#pragma once

#include <SFML/Graphics/Color.hpp>
#include <SFML/System/Vector2.hpp>

struct Pellet {
    sf::Vector2f position;
    float size = 0.0f;  // also the mass it gives
    sf::Color color = sf::Color::White;
    bool isBig = false;
    bool isFree = true;
};
