#include "render/PelletQuads.h"

#include <cmath>

namespace {

const float CellMargin = 200.0f;

void appendPellet(sf::VertexArray& quads, const Pellet& pellet, float t, float textureSize) {
    const float x = pellet.position.x;
    const float y = pellet.position.y;
    const float s = std::sin((x + y) * 0.015f + t * 3.8f);
    const float m = pellet.isBig ? 3.6f : 5.0f;
    const float h = m * pellet.size * (1.0f + 0.18f * s);
    sf::Color color = pellet.color;
    color.a = static_cast<sf::Uint8>(170.0f + 45.0f * s);
    const float yc = y + 6.0f * std::sin((x + y) * 0.01f + t * 2.5f);
    quads.append(sf::Vertex(sf::Vector2f(x - h, yc - h), color, sf::Vector2f(0.0f, 0.0f)));
    quads.append(sf::Vertex(sf::Vector2f(x + h, yc - h), color, sf::Vector2f(textureSize, 0.0f)));
    quads.append(sf::Vertex(sf::Vector2f(x + h, yc + h), color, sf::Vector2f(textureSize, textureSize)));
    quads.append(sf::Vertex(sf::Vector2f(x - h, yc + h), color, sf::Vector2f(0.0f, textureSize)));
}

}  // namespace

void buildPelletQuads(sf::VertexArray& quads, const PelletGrid& pelletGrid, const ViewBounds& view, float t,
                      float textureSize) {
    quads.clear();
    quads.setPrimitiveType(sf::Quads);
    const Cell first = cellOf(view.left - CellMargin, view.top - CellMargin);
    const Cell last = cellOf(view.right + CellMargin, view.bottom + CellMargin);
    for (int row = first.row; row <= last.row; ++row) {
        for (int column = first.column; column <= last.column; ++column) {
            for (const Pellet* pellet : pelletGrid[Cell{column, row}.index()]) {
                if (!pellet->isFree) appendPellet(quads, *pellet, t, textureSize);
            }
        }
    }
}
