#include "render/Backdrop.h"

#include "sim/Arena.h"

#include <cmath>
#include <cstdlib>

namespace {

sf::Vector2f rimPoint(sf::Vector2f centre, float radius, float angle) {
    return centre + radius * sf::Vector2f(std::cos(angle), std::sin(angle));
}

void appendHexagon(sf::VertexArray& vertices, sf::Vector2f centre, float radius, float rotation, sf::Color color) {
    sf::Color rim = color;
    rim.a = 0;
    for (int i = 0; i < 6; ++i) {
        const float from = 2.0f * Pi * (static_cast<float>(i) / 6.0f) + rotation;
        const float to = 2.0f * Pi * (static_cast<float>(i + 1) / 6.0f) + rotation;
        vertices.append(sf::Vertex(centre, color));
        vertices.append(sf::Vertex(rimPoint(centre, radius, from), rim));
        vertices.append(sf::Vertex(rimPoint(centre, radius, to), rim));
    }
}

}  // namespace

void addDecorationLayer(std::vector<DecorationLayer>& layers, int count, float parallax, sf::Color color) {
    sf::VertexArray vertices(sf::Triangles);
    for (int h = 0; h < count; ++h) {
        const float x = static_cast<float>(std::rand() % 18000 - 9000);
        const float y = static_cast<float>(std::rand() % 18000 - 9000);
        const float radius = static_cast<float>(std::rand() % 1800 + 500);
        const float rotation = degreesToRadians(std::rand() % 360);
        appendHexagon(vertices, sf::Vector2f(x, y), radius, rotation, color);
    }
    layers.push_back(DecorationLayer{vertices, parallax});
}

std::vector<DecorationLayer> makeDecorationLayers() {
    std::vector<DecorationLayer> layers;
    addDecorationLayer(layers, 120, 0.04f, sf::Color(100, 40, 180, 40));
    addDecorationLayer(layers, 80, 0.12f, sf::Color(50, 100, 220, 35));
    addDecorationLayer(layers, 50, 0.28f, sf::Color(80, 180, 255, 30));
    return layers;
}

void drawDecorationLayers(const std::vector<DecorationLayer>& layers, sf::RenderTarget& target, sf::Vector2f centre) {
    for (const DecorationLayer& layer : layers) {
        sf::Transform shift;
        shift.translate(-centre.x * layer.parallax, -centre.y * layer.parallax);
        sf::RenderStates states(sf::BlendAdd);
        states.transform = shift;
        target.draw(layer.vertices, states);
    }
}
