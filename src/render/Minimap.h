#pragma once

#include "sim/Snake.h"

#include <SFML/Graphics/CircleShape.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/System/Vector2.hpp>

#include <memory>
#include <vector>

// Centre of the map's disc, 130 pixels in from the bottom-right corner.
sf::Vector2f minimapCenter(sf::Vector2u windowSize);

// Where a world point lands on the map (90 pixels for the arena's 3800 units).
sf::Vector2f minimapPoint(sf::Vector2f world, sf::Vector2f center);

// The arena as a dark disc with a dot for every living head: a larger cyan
// dot for the player, red dots for the bots. Window pixels.
class Minimap {
public:
    Minimap();
    void draw(sf::RenderTarget& target, const std::vector<std::unique_ptr<Snake>>& snakes);

private:
    sf::CircleShape disc;
    sf::CircleShape playerDot;
    sf::CircleShape botDot;
};
