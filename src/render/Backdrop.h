#pragma once

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/VertexArray.hpp>
#include <SFML/System/Vector2.hpp>

#include <vector>

// One parallax sheet of faint hexagons behind the arena.
struct DecorationLayer {
    sf::VertexArray vertices;  // Triangles, 18 vertices a hexagon
    float parallax;
};

// Scatters `count` hexagons over the square of 18000 units around the
// origin, four rand() draws each, and appends them as one layer.
void addDecorationLayer(std::vector<DecorationLayer>& layers, int count, float parallax, sf::Color color);

// The game's three layers: the first rand() draws after seeding, so the
// headless runner calls this too to reproduce a seeded start.
std::vector<DecorationLayer> makeDecorationLayers();

// Each layer shifted by -parallax x centre, added onto what is there.
void drawDecorationLayers(const std::vector<DecorationLayer>& layers, sf::RenderTarget& target, sf::Vector2f centre);
