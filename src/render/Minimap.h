#pragma once

#include "sim/Snake.h"

#include <SFML/Graphics/CircleShape.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/System/Vector2.hpp>

#include <memory>
#include <vector>

// Centre of the map's disc, 130 pixels in from the bottom-right corner.
sf::Vector2f minimapCenter(sf::Vector2u windowSize);

// One head on the map.
struct MinimapDot {
    sf::Vector2f position;
    float radius;
    sf::Color color;
};

// A dot for every living head, in snake order, on a map centred there
// (90 pixels for the arena's 3800 units): a larger cyan one for the player,
// red ones for the bots, whatever their own colours.
void buildMinimapDots(std::vector<MinimapDot>& dots, const std::vector<std::unique_ptr<Snake>>& snakes,
                      sf::Vector2f center);

// The arena as a dark disc with the dots on it. Window pixels.
class Minimap {
public:
    Minimap();
    void draw(sf::RenderTarget& target, const std::vector<std::unique_ptr<Snake>>& snakes);

private:
    sf::CircleShape disc;
    sf::CircleShape dotShape;
    std::vector<MinimapDot> dots;
};
