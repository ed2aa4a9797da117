#pragma once

#include <SFML/Graphics/Color.hpp>
#include <SFML/System/Vector2.hpp>

#include <vector>

struct Particle {
    sf::Vector2f position;
    sf::Vector2f velocity;  // per step
    sf::Color color;
    float life = 1.0f;
};

// Three sparks flying out from one point.
void spawnSparks(std::vector<Particle>& particles, sf::Vector2f position, sf::Color color);

// Moves, slows and fades every spark, then drops the spent ones in order.
void updateParticles(std::vector<Particle>& particles);
