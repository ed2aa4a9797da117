#include "render/DiscTemplate.h"

#include "sim/Arena.h"

#include <cmath>

sf::VertexArray makeDiscTemplate() {
    sf::VertexArray disc(sf::TriangleFan);
    disc.append(sf::Vertex(sf::Vector2f(0.0f, 0.0f), sf::Color::White));
    for (int i = 0; i <= DiscSlices; ++i) {
        const float a = 2.0f * static_cast<float>(i) * Pi / static_cast<float>(DiscSlices);
        disc.append(sf::Vertex(sf::Vector2f(std::cos(a), std::sin(a)), sf::Color::White));
    }
    return disc;
}
