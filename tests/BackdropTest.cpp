#include "render/ArenaGrid.h"
#include "render/Backdrop.h"

#include "TestWorld.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(Backdrop, LayersOfHexagonsScatteredWideEachFadingToNothingAtItsRim) {
    std::srand(1234);
    const std::vector<DecorationLayer> layers = makeDecorationLayers();
    ASSERT_EQ(layers.size(), 3u);
    std::vector<float> centres, radii;
    for (std::size_t l = 0; l < 3; ++l) {
        const sf::VertexArray& v = layers[l].vertices;
        EXPECT_EQ(v.getVertexCount(), std::size_t{18} * (l == 0 ? 120 : l == 1 ? 80 : 50));  // six triangles each
        const sf::Color rim(v[0].color.r, v[0].color.g, v[0].color.b, 0);
        // Six triangles from the centre to rim points a radius out and a radius apart.
        for (std::size_t t = 0; t < v.getVertexCount(); t += 3) {
            const sf::Vector2f c = v[t - t % 18].position, a = v[t + 1].position, b = v[t + 2].position;
            if (t % 18 == 0) centres.insert(centres.end(), {c.x, c.y});
            if (t % 18 == 0) radii.push_back(distance(a, c));
            EXPECT_EQ(std::make_tuple(v[t].position, v[t].color, v[t + 1].color, v[t + 2].color),
                      std::make_tuple(c, v[0].color, rim, rim));
            EXPECT_NEAR(distance(a, c), radii.back(), 0.01f);
            EXPECT_NEAR(distance(a, b), radii.back(), 0.01f);
        }
    }
    // Centres over -9000 to 8999, radii of 500 to 2299, both spread wide.
    const auto [west, east] = std::minmax_element(centres.begin(), centres.end());
    const auto [smallest, largest] = std::minmax_element(radii.begin(), radii.end());
    EXPECT_TRUE(*west >= -9000.0f && *west < -8500.0f && *east <= 8999.0f && *east > 8500.0f);
    EXPECT_TRUE(*smallest > 499.99f && *smallest < 600.0f && *largest < 2299.01f && *largest > 2200.0f);
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
    for (const auto& [i, end] : ends) EXPECT_EQ(lines[i].position, end) << i;
}
