#include "render/SparkQuads.h"

void buildSparkQuads(sf::VertexArray& quads, const std::vector<Particle>& particles) {
    quads.clear();
    quads.setPrimitiveType(sf::Quads);
    for (const Particle& spark : particles) {
        const float x = spark.position.x;
        const float y = spark.position.y;
        const float s = 3.0f * spark.life;
        sf::Color color = spark.color;
        color.a = static_cast<sf::Uint8>(255.0f * spark.life);
        quads.append(sf::Vertex(sf::Vector2f(x - s, y - s), color));
        quads.append(sf::Vertex(sf::Vector2f(x + s, y - s), color));
        quads.append(sf::Vertex(sf::Vector2f(x + s, y + s), color));
        quads.append(sf::Vertex(sf::Vector2f(x - s, y + s), color));
    }
}
