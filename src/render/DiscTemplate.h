#pragma once

#include <SFML/Graphics/VertexArray.hpp>

constexpr int DiscSlices = 24;
constexpr int DiscVertices = 3 * DiscSlices;  // one disc as plain triangles

// The unit disc as a fan: the centre, then 25 rim points of which the last
// repeats the first.
sf::VertexArray makeDiscTemplate();
