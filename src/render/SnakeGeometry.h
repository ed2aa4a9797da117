#pragma once

#include "render/WorldView.h"
#include "sim/Snake.h"

#include <SFML/Graphics/VertexArray.hpp>

#include <cstddef>
#include <memory>
#include <vector>

// One disc of a body: where it sits and how far along the body from the head.
struct BodySample {
    float x;
    float y;
    float distance;
};

// The three vertex stores every snake is written into, each drawn with one
// call. They only grow; the counts say how much of each this frame filled.
struct SnakeStores {
    sf::VertexArray bodyVertices{sf::Triangles};
    sf::VertexArray shadowVertices{sf::Triangles};
    sf::VertexArray glowVertices{sf::Triangles};
    std::size_t bodyCount = 0;
    std::size_t shadowCount = 0;
    std::size_t glowCount = 0;
    std::vector<BodySample> bodySamples;  // reused by every snake
};

// Grows the stores to 72 vertices per point plus five spare discs for every
// live snake, so that writing by index can never run past their ends.
void reserveSnakeStores(SnakeStores& stores, const std::vector<std::unique_ptr<Snake>>& snakes);

// Writes one snake's striped body, shadow and (while boosting) pulsing halo
// at the stores' counts and advances them. Snakes and discs out of view are
// skipped.
void appendSnakeGeometry(const Snake& snake, SnakeStores& stores, const sf::VertexArray& discTemplate,
                         const ViewBounds& view, float t);

// The whole snake block of a frame: reserve, restart the counts, append
// every snake in order (later snakes lie on top).
void buildSnakeGeometry(SnakeStores& stores, const std::vector<std::unique_ptr<Snake>>& snakes,
                        const sf::VertexArray& discTemplate, const ViewBounds& view, float t);
