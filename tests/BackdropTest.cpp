#include "render/ArenaGrid.h"
#include "render/Backdrop.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

TEST(Backdrop, LayersAreTheFirstThousandDrawsFadingFromTheirColourToNothingAtTheRim) {
    std::srand(1234);
    const int x = std::rand() % 18000 - 9000, y = std::rand() % 18000 - 9000;
    const int radius = std::rand() % 1800 + 500, degrees = std::rand() % 360;
    for (int i = 4; i < 1000; ++i) std::rand();
    const int afterLayers = std::rand();
    std::srand(1234);
    const std::vector<DecorationLayer> layers = makeDecorationLayers();
    EXPECT_EQ(std::rand(), afterLayers);  // 250 hexagons, four draws each
    ASSERT_EQ(layers.size(), 3u);
    const std::size_t counts[] = {2160, 1440, 900};
    const float parallax[] = {0.04f, 0.12f, 0.28f};
    const sf::Color colors[] = {{100, 40, 180, 40}, {50, 100, 220, 35}, {80, 180, 255, 30}};
    for (std::size_t l = 0; l < 3; ++l) {
        const sf::VertexArray& v = layers[l].vertices;
        EXPECT_EQ(std::make_pair(v.getVertexCount(), layers[l].parallax), std::make_pair(counts[l], parallax[l]));
        for (std::size_t i = 0; i < v.getVertexCount(); ++i)
            ASSERT_EQ(v[i].color, sf::Color(colors[l].r, colors[l].g, colors[l].b, i % 3 == 0 ? colors[l].a : 0)) << i;
    }
    // The first hexagon: its centre and a rim point at its rotation.
    const float rotation = static_cast<float>(degrees) * 3.1415927f / 180.0f;
    EXPECT_EQ(layers[0].vertices[0].position, sf::Vector2f(static_cast<float>(x), static_cast<float>(y)));
    EXPECT_NEAR(layers[0].vertices[1].position.x, x + radius * std::cos(rotation), 1e-2);
    EXPECT_NEAR(layers[0].vertices[17].position.y, y + radius * std::sin(rotation), 1e-2);
}

TEST(ArenaGrid, FortyLinesEveryFourHundredUnitsClippedToTheArenaCircle) {
    const std::vector<sf::Vertex> lines = arenaGridVertices();
    ASSERT_EQ(lines.size(), 80u);
    EXPECT_EQ(lines[0].color, sf::Color(0, 145, 255, 60));
    // Vertical lines first, left to right; the ones at the rim are points.
    const std::pair<std::size_t, sf::Vector2f> ends[] = {{1, {-3800.0f, 0.0f}},
                                                         {2, {-3400.0f, -std::sqrt(2880000.0f)}},
                                                         {20, {200.0f, -std::sqrt(14400000.0f)}},
                                                         {42, {-std::sqrt(2880000.0f), -3400.0f}},
                                                         {79, {0.0f, 3800.0f}}};
    for (const auto& end : ends) EXPECT_EQ(lines[end.first].position, end.second) << end.first;
}
