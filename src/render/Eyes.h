#pragma once

#include "sim/Snake.h"

#include <SFML/System/Vector2.hpp>

#include <array>

struct Eye {
    sf::Vector2f white;  // centre of the white, radius 0.38 r
    sf::Vector2f pupil;  // centre of the pupil, radius 0.19 r
};

// The left eye (heading - 0.8) then the right (heading + 0.8). The pupils
// look where the snake steers, overdone by 1.3, and squint while boosting.
std::array<Eye, 2> eyesOf(const Snake& snake);
