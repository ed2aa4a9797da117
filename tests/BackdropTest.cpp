#include "render/ArenaGrid.h"
#include "render/Backdrop.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

TEST(Backdrop, LayersAreTheFirstThousandDrawsInOrder) {
    std::srand(1234);
    const int x = std::rand() % 18000 - 9000;
    const int y = std::rand() % 18000 - 9000;
    const int radius = std::rand() % 1800 + 500;
    const int degrees = std::rand() % 360;
    std::srand(1234);
    for (int i = 0; i < 1000; ++i) std::rand();
    const int afterLayers = std::rand();

    std::srand(1234);
    const std::vector<DecorationLayer> layers = makeDecorationLayers();
    EXPECT_EQ(std::rand(), afterLayers);  // 250 hexagons, four draws each

    ASSERT_EQ(layers.size(), 3u);
    EXPECT_EQ(layers[0].vertices.getVertexCount(), 2160u);
    EXPECT_EQ(layers[1].vertices.getVertexCount(), 1440u);
    EXPECT_EQ(layers[2].vertices.getVertexCount(), 900u);
    EXPECT_EQ(layers[0].parallax, 0.04f);
    EXPECT_EQ(layers[1].parallax, 0.12f);
    EXPECT_EQ(layers[2].parallax, 0.28f);
    EXPECT_EQ(layers[2].vertices.getPrimitiveType(), sf::Triangles);

    // The first hexagon: its centre, and a rim point at its rotation.
    const sf::VertexArray& first = layers[0].vertices;
    EXPECT_EQ(first[0].position, sf::Vector2f(static_cast<float>(x), static_cast<float>(y)));
    const float rotation = static_cast<float>(degrees) * 3.1415927f / 180.0f;
    EXPECT_NEAR(first[1].position.x, x + radius * std::cos(rotation), 1e-2);
    EXPECT_NEAR(first[1].position.y, y + radius * std::sin(rotation), 1e-2);
    // Six triangles close the hexagon.
    EXPECT_NEAR(first[17].position.x, first[1].position.x, 1e-2);
}

TEST(Backdrop, HexagonsFadeFromTheLayerColourAtTheCentreToNothingAtTheRim) {
    const sf::Color colors[] = {{100, 40, 180, 40}, {50, 100, 220, 35}, {80, 180, 255, 30}};
    const std::vector<DecorationLayer> layers = makeDecorationLayers();
    for (std::size_t l = 0; l < layers.size(); ++l) {
        const sf::VertexArray& v = layers[l].vertices;
        for (std::size_t i = 0; i < v.getVertexCount(); ++i) {
            sf::Color expected = colors[l];
            if (i % 3 != 0) expected.a = 0;
            ASSERT_EQ(v[i].color, expected) << "layer " << l << " vertex " << i;
        }
    }
}

TEST(ArenaGrid, FortyLinesClippedToTheArenaCircle) {
    const std::vector<sf::Vertex> lines = arenaGridVertices();
    ASSERT_EQ(lines.size(), 80u);
    for (const sf::Vertex& v : lines) {
        EXPECT_EQ(v.color, sf::Color(0, 145, 255, 60));
        EXPECT_LE(std::hypot(v.position.x, v.position.y), 3800.5f);
    }
    // The lines at the rim are points; the next ones reach about 1697.
    EXPECT_EQ(lines[0].position, sf::Vector2f(-3800.0f, 0.0f));
    EXPECT_EQ(lines[1].position, sf::Vector2f(-3800.0f, 0.0f));
    EXPECT_EQ(lines[2].position, sf::Vector2f(-3400.0f, -std::sqrt(2880000.0f)));
    EXPECT_EQ(lines[39].position, sf::Vector2f(3800.0f, 0.0f));
    EXPECT_EQ(lines[20].position, sf::Vector2f(200.0f, -std::sqrt(14400000.0f)));  // no line on an axis
    // Then the horizontal family, top to bottom.
    EXPECT_EQ(lines[42].position, sf::Vector2f(-std::sqrt(2880000.0f), -3400.0f));
    EXPECT_EQ(lines[79].position, sf::Vector2f(0.0f, 3800.0f));
}
