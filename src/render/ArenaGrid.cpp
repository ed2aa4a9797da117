#include "render/ArenaGrid.h"

#include "sim/Arena.h"

#include <algorithm>
#include <cmath>

namespace {

const sf::Color GridColor(0, 145, 255, 60);
const float GridSpacing = 400.0f;

// Half the chord of the arena's circle at distance v from its centre.
float halfChord(float v) {
    return std::sqrt(std::max(ArenaRadiusSquared - v * v, 0.0f));
}

}  // namespace

std::vector<sf::Vertex> arenaGridVertices() {
    std::vector<sf::Vertex> vertices;
    for (float x = -ArenaRadius; x <= ArenaRadius; x += GridSpacing) {
        vertices.emplace_back(sf::Vector2f(x, -halfChord(x)), GridColor);
        vertices.emplace_back(sf::Vector2f(x, halfChord(x)), GridColor);
    }
    for (float y = -ArenaRadius; y <= ArenaRadius; y += GridSpacing) {
        vertices.emplace_back(sf::Vector2f(-halfChord(y), y), GridColor);
        vertices.emplace_back(sf::Vector2f(halfChord(y), y), GridColor);
    }
    return vertices;
}

void ArenaGrid::build() {
    const std::vector<sf::Vertex> vertices = arenaGridVertices();
    gridLines.create(vertices.size());
    gridLines.setPrimitiveType(sf::Lines);
    gridLines.update(vertices.data());

    arenaBorder.setRadius(ArenaRadius);
    arenaBorder.setPointCount(500);
    arenaBorder.setOrigin(ArenaRadius, ArenaRadius);
    arenaBorder.setPosition(0.0f, 0.0f);
    arenaBorder.setFillColor(sf::Color::Transparent);
    arenaBorder.setOutlineThickness(15.0f);
    arenaBorder.setOutlineColor(sf::Color(255, 30, 30, 180));
}

void ArenaGrid::draw(sf::RenderTarget& target) const {
    target.draw(gridLines);
    target.draw(arenaBorder);
}
