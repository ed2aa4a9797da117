#pragma once

#include "sim/Particle.h"

#include <SFML/Graphics/VertexArray.hpp>

#include <vector>

// Refills `quads` with one square per spark, shrinking and fading with its life.
void buildSparkQuads(sf::VertexArray& quads, const std::vector<Particle>& particles);
