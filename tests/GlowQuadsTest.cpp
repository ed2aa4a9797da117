#include "render/PelletQuads.h"
#include "render/SparkQuads.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(PelletQuads, LivePelletsNearTheViewPulseInSizeAndAlphaAndBobCellByCell) {
    // Big and small in row 25, cell by cell from the left, one free, one beyond the
    // view but within the margin's cells, one a whole cell past it.
    std::vector<Pellet> pellets = {{{100.0f, 50.0f}, 4.0f, sf::Color(10, 200, 30), false, false},
                                   {{-100.0f, 0.0f}, 10.0f, sf::Color(10, 200, 30), true, false},
                                   {{0.0f, 0.0f}, 4.0f, sf::Color::White, false, true},
                                   {{550.0f, 0.0f}, 4.0f, sf::Color::White, false, false},
                                   {{760.0f, 0.0f}, 4.0f, sf::Color::White, false, false}};
    PelletGrid grid(GridCells);
    for (Pellet& p : pellets) grid[cellOf(p.position.x, p.position.y).index()].push_back(&p);
    const ViewBounds view(sf::View({0.0f, 0.0f}, {800.0f, 600.0f}));
    sf::VertexArray quads;
    const float t = 1.7f;
    buildPelletQuads(quads, grid, view, t, 128.0f);
    ASSERT_EQ(quads.getVertexCount(), 12u);
    EXPECT_EQ(quads.getPrimitiveType(), sf::Quads);
    const float s = std::sin(-100.0f * 0.015f + t * 3.8f);
    const float h = 3.6f * 10.0f * (1.0f + 0.18f * s);
    const float yc = 6.0f * std::sin(-100.0f * 0.01f + t * 2.5f);
    EXPECT_EQ(quads[0].position, sf::Vector2f(-100.0f - h, yc - h));
    EXPECT_EQ(quads[2].position, sf::Vector2f(-100.0f + h, yc + h));
    EXPECT_EQ(quads[0].color, sf::Color(10, 200, 30, static_cast<sf::Uint8>(170.0f + 45.0f * s)));
    EXPECT_EQ(std::make_pair(quads[1].texCoords, quads[3].texCoords),
              std::make_pair(sf::Vector2f(128, 0), sf::Vector2f(0, 128)));
    EXPECT_EQ(quads[9].position.x + quads[8].position.x, 2.0f * 550.0f);
    // The small pellet: half-size 5 x its size, within 18 %.
    EXPECT_FLOAT_EQ(quads[6].position.x - quads[4].position.x,
                    2.0f * 5.0f * 4.0f * (1.0f + 0.18f * std::sin(150.0f * 0.015f + t * 3.8f)));
}

TEST(SparkQuads, SparksShrinkAndFadeWithTheirLife) {
    const std::vector<Particle> sparks = {{{10.0f, 20.0f}, {1.0f, 0.0f}, sf::Color(255, 128, 0, 255), 1.0f},
                                          {{-5.0f, 0.0f}, {0.0f, 0.0f}, sf::Color(0, 0, 255, 255), 0.5f}};
    sf::VertexArray quads(sf::Quads);
    buildSparkQuads(quads, sparks);
    ASSERT_EQ(quads.getVertexCount(), 8u);
    EXPECT_EQ(std::make_pair(quads[0].position, quads[2].position),
              std::make_pair(sf::Vector2f(7, 17), sf::Vector2f(13, 23)));
    EXPECT_EQ(std::make_pair(quads[4].position, quads[7].color),
              std::make_pair(sf::Vector2f(-6.5f, -1.5f), sf::Color(0, 0, 255, 127)));
}
