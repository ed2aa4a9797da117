#pragma once

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Vertex.hpp>
#include <SFML/Graphics/VertexBuffer.hpp>

#include <vector>

// The 40 line segments of the 400-unit grid, each clipped to the arena's
// circle, as 80 line vertices: the vertical family first.
std::vector<sf::Vertex> arenaGridVertices();

// The grid lines and the red rim of the arena.
class ArenaGrid {
public:
    // Needs a GL context: the lines and the rim go into vertex buffers once.
    void build();
    void draw(sf::RenderTarget& target) const;

private:
    sf::VertexBuffer gridLines{sf::Lines, sf::VertexBuffer::Static};
    sf::VertexBuffer rim{sf::TriangleStrip, sf::VertexBuffer::Static};
};
