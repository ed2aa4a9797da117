#include "render/PelletQuads.h"
#include "render/SparkQuads.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const ViewBounds View(sf::View(sf::Vector2f(0.0f, 0.0f), sf::Vector2f(800.0f, 600.0f)));

struct PelletField {
    explicit PelletField(std::initializer_list<Pellet> list) : pellets(list), grid(GridCells) {
        for (Pellet& p : pellets) grid[cellOf(p.position.x, p.position.y).index()].push_back(&p);
    }
    std::vector<Pellet> pellets;
    PelletGrid grid;
};

Pellet green(sf::Vector2f at, float size, bool isBig = false) {
    return Pellet{at, size, sf::Color(10, 200, 30, 255), isBig, false};
}

}  // namespace

TEST(PelletQuads, PelletsPulseInSizeAndAlphaAndBob) {
    PelletField field{green({100.0f, 50.0f}, 4.0f), green({-100.0f, 0.0f}, 10.0f, true)};
    const float t = 1.7f;
    sf::VertexArray quads;
    buildPelletQuads(quads, field.grid, View, t, 128.0f);
    ASSERT_EQ(quads.getVertexCount(), 8u);
    EXPECT_EQ(quads.getPrimitiveType(), sf::Quads);
    // Both share cell row 25; the one further left comes first.
    const float s = std::sin(-100.0f * 0.015f + t * 3.8f);
    const float h = 3.6f * 10.0f * (1.0f + 0.18f * s);
    const float yc = 6.0f * std::sin(-100.0f * 0.01f + t * 2.5f);
    EXPECT_EQ(quads[0].position, sf::Vector2f(-100.0f - h, yc - h));
    EXPECT_EQ(quads[2].position, sf::Vector2f(-100.0f + h, yc + h));
    EXPECT_EQ(quads[0].color, sf::Color(10, 200, 30, static_cast<sf::Uint8>(170.0f + 45.0f * s)));
    EXPECT_EQ(quads[1].texCoords, sf::Vector2f(128.0f, 0.0f));
    EXPECT_EQ(quads[2].texCoords, sf::Vector2f(128.0f, 128.0f));
    EXPECT_EQ(quads[3].texCoords, sf::Vector2f(0.0f, 128.0f));
    // Over time: half-size within 18 % of 5 x size, alpha in 125..215, bob within 6.
    for (float time = 0.0f; time < 3.0f; time += 0.05f) {
        buildPelletQuads(quads, field.grid, View, time, 128.0f);
        const float half = (quads[6].position.x - quads[4].position.x) / 2.0f;
        EXPECT_GE(half, 20.0f * 0.82f - 1e-3f);
        EXPECT_LE(half, 20.0f * 1.18f + 1e-3f);
        EXPECT_GE(quads[4].color.a, 125);
        EXPECT_LE(quads[4].color.a, 215);
        EXPECT_LE(std::fabs((quads[4].position.y + quads[6].position.y) / 2.0f - 50.0f), 6.0f + 1e-3f);
    }
}

TEST(PelletQuads, OnlyLivePelletsInCellsNearTheViewAreBuilt) {
    // Free; beyond the view but within the margin's cells; a whole cell past the margin; far off.
    PelletField field{green({0.0f, 0.0f}, 4.0f), green({550.0f, 0.0f}, 4.0f), green({760.0f, 0.0f}, 4.0f),
                      green({-3000.0f, 2500.0f}, 4.0f)};
    field.pellets[0].isFree = true;
    sf::VertexArray quads;
    buildPelletQuads(quads, field.grid, View, 0.0f, 128.0f);
    ASSERT_EQ(quads.getVertexCount(), 4u);
    EXPECT_NEAR(quads[0].position.x + quads[1].position.x, 2.0f * 550.0f, 1e-3f);
    field.pellets[1].isFree = true;  // nothing in view still empties the array
    buildPelletQuads(quads, field.grid, View, 0.0f, 128.0f);
    EXPECT_EQ(quads.getVertexCount(), 0u);
}

TEST(SparkQuads, SparksShrinkAndFadeWithTheirLife) {
    const std::vector<Particle> sparks = {{{10.0f, 20.0f}, {1.0f, 0.0f}, sf::Color(255, 128, 0, 255), 1.0f},
                                          {{-5.0f, 0.0f}, {0.0f, 0.0f}, sf::Color(0, 0, 255, 255), 0.5f}};
    sf::VertexArray quads(sf::Quads);
    buildSparkQuads(quads, sparks);
    ASSERT_EQ(quads.getVertexCount(), 8u);
    EXPECT_EQ(quads[0].position, sf::Vector2f(7.0f, 17.0f));
    EXPECT_EQ(quads[2].position, sf::Vector2f(13.0f, 23.0f));
    EXPECT_EQ(quads[0].color, sf::Color(255, 128, 0, 255));
    EXPECT_EQ(quads[4].position, sf::Vector2f(-6.5f, -1.5f));
    EXPECT_EQ(quads[7].color, sf::Color(0, 0, 255, 127));
    buildSparkQuads(quads, {});
    EXPECT_EQ(quads.getVertexCount(), 0u);
}
