#include "render/ArenaGrid.h"

#include "sim/Arena.h"

#include <SFML/Graphics/CircleShape.hpp>

#include <algorithm>
#include <cmath>

namespace {

const sf::Color GridColor(0, 145, 255, 60);
const float GridSpacing = 400.0f;
const sf::Color RimColor(255, 30, 30, 180);
const float RimThickness = 15.0f;
const std::size_t RimPoints = 500;

// Half the chord of the arena's circle at distance v from its centre.
float halfChord(float v) {
    return std::sqrt(std::max(ArenaRadiusSquared - v * v, 0.0f));
}

// The unit normal of the edge from a to b, turned away from `inside`.
sf::Vector2f outwardNormal(sf::Vector2f a, sf::Vector2f b, sf::Vector2f inside) {
    sf::Vector2f normal(a.y - b.y, b.x - a.x);
    normal /= std::sqrt(normal.x * normal.x + normal.y * normal.y);
    const sf::Vector2f in = inside - a;
    return normal.x * in.x + normal.y * in.y > 0.0f ? -normal : normal;
}

// The rim is the outline of a 500-sided circle shape, built with the very
// sums the library uses for a shape's outline (each corner pushed out along
// its two edges' normals), so its pixels stay where they were. The shape's
// transparent inside is left out: it covered the whole screen for nothing.
// Its points lie about (radius, radius), as the shape has them; the draw
// shifts them onto the arena, as the shape's origin did.
std::vector<sf::Vertex> rimVertices() {
    const sf::CircleShape circle(ArenaRadius, RimPoints);
    const sf::Vector2f centre(ArenaRadius, ArenaRadius);
    std::vector<sf::Vertex> strip;
    for (std::size_t i = 0; i <= RimPoints; ++i) {
        const sf::Vector2f before = circle.getPoint((i + RimPoints - 1) % RimPoints);
        const sf::Vector2f corner = circle.getPoint(i % RimPoints);
        const sf::Vector2f after = circle.getPoint((i + 1) % RimPoints);
        const sf::Vector2f n1 = outwardNormal(before, corner, centre);
        const sf::Vector2f n2 = outwardNormal(corner, after, centre);
        const sf::Vector2f out = (n1 + n2) / (1.0f + (n1.x * n2.x + n1.y * n2.y));
        strip.emplace_back(corner, RimColor);
        strip.emplace_back(corner + out * RimThickness, RimColor);
    }
    return strip;
}

void upload(sf::VertexBuffer& buffer, const std::vector<sf::Vertex>& vertices) {
    buffer.create(vertices.size());
    buffer.update(vertices.data());
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
    upload(gridLines, arenaGridVertices());
    upload(rim, rimVertices());
}

void ArenaGrid::draw(sf::RenderTarget& target) const {
    target.draw(gridLines);
    target.draw(rim, sf::Transform().translate(-ArenaRadius, -ArenaRadius));
}
