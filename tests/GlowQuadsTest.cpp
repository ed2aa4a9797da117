#include "render/PelletQuads.h"
#include "render/SparkQuads.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(PelletQuads, LivePelletsNearTheViewPulseInSizeAndAlphaAndBobRowByRowCellByCell) {
    // On x + y = 0 the pulse is sin(3.8 t) and the bob 6 sin(2.5 t). Row 24 before row 25; one pellet free, one
    // beyond the view but within the margin's cells, one a whole cell past those.
    std::vector<Pellet> pellets = {{{-50.0f, 50.0f}, 10.0f, sf::Color(10, 200, 30), true, false},
                                   {{100.0f, -100.0f}, 4.0f, sf::Color(10, 200, 30), false, false},
                                   {{0.0f, 0.0f}, 4.0f, sf::Color::White, false, true},
                                   {{550.0f, 0.0f}, 4.0f, sf::Color::White, false, false},
                                   {{760.0f, 0.0f}, 4.0f, sf::Color::White, false, false}};
    PelletGrid grid(GridCells);
    for (Pellet& p : pellets) grid[cellOf(p.position.x, p.position.y).index()].push_back(&p);
    const ViewBounds view(sf::View({0.0f, 0.0f}, {800.0f, 600.0f}));
    sf::VertexArray quads;
    buildPelletQuads(quads, grid, view, 0.0f, 128.0f);
    ASSERT_EQ(quads.getVertexCount(), 12u);
    // At rest a small pellet spans 5 x its size each way, a big one 3.6 x.
    EXPECT_EQ(std::make_pair(quads[0].position, quads[2].position),
              std::make_pair(sf::Vector2f(80.0f, -120.0f), sf::Vector2f(120.0f, -80.0f)));
    EXPECT_EQ(std::make_pair(quads[4].position, quads[6].position),
              std::make_pair(sf::Vector2f(-86.0f, 14.0f), sf::Vector2f(-14.0f, 86.0f)));
    EXPECT_EQ(quads[0].color, sf::Color(10, 200, 30, 170));
    EXPECT_EQ(std::make_pair(quads[1].texCoords, quads[3].texCoords),
              std::make_pair(sf::Vector2f(128, 0), sf::Vector2f(0, 128)));
    // At t = pi / 22.8 the pulse is 0.5: 9 % larger, alpha 192; the bob 6 sin(0.3445) = 2.026 down.
    buildPelletQuads(quads, grid, view, 0.13778915f, 128.0f);
    EXPECT_NEAR(quads[0].position.x, 100.0f - 21.8f, 1e-3f);
    EXPECT_NEAR(quads[0].position.y, -100.0f + 2.026f - 21.8f, 1e-3f);
    EXPECT_EQ(quads[0].color.a, 192);
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
