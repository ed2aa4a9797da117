#include "render/DiscTemplate.h"
#include "render/Eyes.h"
#include "render/SnakeGeometry.h"

#include "TestWorld.h"

#include <gtest/gtest.h>

namespace {

const sf::VertexArray Disc = makeDiscTemplate();

// Points along the x axis.
void lay(Snake& snake, std::initializer_list<float> xs) {
    for (float x : xs) snake.points[snake.pointCount++] = sf::Vector2f(x, 0.0f);
    snake.updateBounds();
}

SnakeStores build(const Snake& snake, float t = 0.0f, sf::Vector2f center = {},
                  sf::Vector2f size = {1000.0f, 1000.0f}) {
    SnakeStores stores;
    stores.bodyVertices.resize(DiscVertices * (snake.pointCount + 5));
    stores.shadowVertices.resize(stores.bodyVertices.getVertexCount());
    stores.glowVertices.resize(stores.bodyVertices.getVertexCount());
    appendSnakeGeometry(snake, stores, Disc, ViewBounds(sf::View(center, size)), t);
    return stores;
}

}  // namespace

TEST(SnakeGeometry, EachDiscIsAShadedFanOverItsShadowWithAPulsingHaloOnlyWhileBoosting) {
    Snake snake{0, loosePool.data(), L"", sf::Color(200, 100, 0), true};
    lay(snake, {100.0f});
    const float r = std::sqrt(snake.radiusSquared);
    const SnakeStores calm = build(snake);
    EXPECT_EQ(std::make_tuple(calm.bodyCount, calm.shadowCount, calm.glowCount),
              std::make_tuple(std::size_t{72}, std::size_t{72}, std::size_t{0}));
    // The head lies in the dark band (0.65 of the colour); its rim is a third of that.
    for (std::size_t k = 0; k < 72; k += 3) {
        EXPECT_EQ(calm.bodyVertices[k].position, sf::Vector2f(100.0f, 0.0f));
        EXPECT_EQ(calm.bodyVertices[k].color, sf::Color(130, 65, 0));
        EXPECT_EQ(calm.bodyVertices[k + 1].color, sf::Color(43, 21, 0));
        EXPECT_NEAR(distance(calm.bodyVertices[k + 1].position, {100.0f, 0.0f}), r, 1e-3f);
        EXPECT_EQ(calm.shadowVertices[k].position, sf::Vector2f(100.0f + 0.35f * r, 0.35f * r));
        EXPECT_EQ(calm.shadowVertices[k + 2].color, sf::Color(0, 0, 0, 110));
    }
    EXPECT_EQ(calm.bodyVertices[2].position, calm.bodyVertices[4].position);  // a closed fan
    snake.boosting = true;
    const SnakeStores boosting = build(snake, 0.3f);
    EXPECT_EQ(std::make_pair(boosting.glowVertices[0].color, boosting.glowVertices[1].color),
              std::make_pair(sf::Color(200, 100, 0, 160), sf::Color(200, 100, 0, 0)));
    EXPECT_NEAR(distance(boosting.glowVertices[1].position, {100.0f, 0.0f}), (1.35f + 0.25f * std::sin(4.5f)) * r,
                1e-3f);
    snake.boosting = false;
    snake.boostBlend = 0.9f;  // a decaying blend alone makes no halo
    EXPECT_EQ(build(snake).glowCount, 0u);
}

TEST(SnakeGeometry, StripesAlternateEverySixtyUnitsFromTheTailUpAndSamplesThinCrowdedPoints) {
    Snake snake{0, loosePool.data(), L"", sf::Color(200, 0, 100), true};
    lay(snake, {0.0f, 20.0f, 30.0f, 40.0f, 60.0f, 62.0f, 100.0f});
    // Radius 16.5: points nearer than a quarter radius to the last disc are dropped, the tail kept.
    const SnakeStores calm = build(snake);
    const float xs[] = {100.0f, 60.0f, 40.0f, 30.0f, 20.0f, 0.0f};  // tail first, the head on top
    // The first half of each 60-unit period is dark, its midpoint included.
    const sf::Color dark(130, 0, 65), light(200, 0, 100);
    const sf::Color colors[] = {light, dark, light, dark, dark, dark};
    ASSERT_EQ(calm.bodyCount, 6u * 72u);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(std::make_pair(calm.bodyVertices[72 * i].position.x, calm.bodyVertices[72 * i].color),
                  std::make_pair(xs[i], colors[i]))
            << i;
    snake.boosting = true;  // every band lifted by 60
    EXPECT_EQ(build(snake).bodyVertices[0].color, sf::Color(255, 60, 160));
    EXPECT_EQ(build(snake).bodyVertices[72 * 5].color, sf::Color(190, 60, 125));
}

TEST(SnakeGeometry, SnakesAndDiscsOutOfViewAreSkipped) {
    Snake snake{0, loosePool.data(), L"", sf::Color(200, 100, 0), true};
    lay(snake, {0.0f, 300.0f, 600.0f, 900.0f});
    // Only the discs within 2.5 radii of a 1200 x 600 view; none when the bounds miss it.
    EXPECT_EQ(build(snake, 0.0f, {}, {1200.0f, 600.0f}).bodyCount, 3u * 72u);
    snake.pointCount = 1;
    snake.bounds = sf::FloatRect(-30.0f, -30.0f, 60.0f, 60.0f);
    EXPECT_EQ(build(snake, 0.0f, {530.0f, 0.0f}).bodyCount, 0u);  // edges touching is no overlap
    EXPECT_EQ(build(snake, 0.0f, {529.0f, 0.0f}).bodyCount, 72u);
}

TEST(Eyes, SitBesideTheHeadWithPupilsLookingWhereTheSnakeSteersAndInwardWhileBoosting) {
    Snake snake{0, loosePool.data(), L"", sf::Color::Red, true};
    snake.pointCount = 1;
    snake.points[0] = sf::Vector2f(100.0f, -40.0f);
    const float r = 16.5333f;  // at mass 80
    const auto angle = [](sf::Vector2f from, sf::Vector2f to) { return std::atan2(to.y - from.y, to.x - from.x); };
    // Heading 0.5: the whites 0.65 r out at 0.5 -/+ 0.8 (to the table's tenth of a degree). Steering 0.2 to the
    // right, the pupils 0.15 r out overshoot by 1.3.
    snake.heading = 0.5f;
    snake.targetHeading = 0.7f;
    const std::array<Eye, 2> eyes = eyesOf(snake);
    for (int side = 0; side < 2; ++side) {
        EXPECT_NEAR(distance(snake.points[0], eyes[side].white), 0.65f * r, 1e-3f);
        EXPECT_NEAR(angle(snake.points[0], eyes[side].white), side == 0 ? -0.3f : 1.3f, 2e-3f);
        EXPECT_NEAR(angle(eyes[side].white, eyes[side].pupil), 0.5f + 1.3f * 0.2f, 1e-4f);
        EXPECT_NEAR(distance(eyes[side].white, eyes[side].pupil), 0.15f * r, 1e-3f);
    }
    // Across the wrap the short way: from 3.0 toward -3.0 is +0.283.
    snake.heading = 3.0f;
    snake.targetHeading = -3.0f;
    EXPECT_NEAR(std::sin(angle(eyesOf(snake)[1].white, eyesOf(snake)[1].pupil)), std::sin(3.0f + 1.3f * 0.2831853f),
                1e-4f);
    snake.heading = snake.targetHeading = 0.0f;
    snake.boostBlend = 1.0f;
    EXPECT_NEAR(angle(eyesOf(snake)[0].white, eyesOf(snake)[0].pupil), 0.45f, 1e-4f);
    EXPECT_NEAR(angle(eyesOf(snake)[1].white, eyesOf(snake)[1].pupil), -0.45f, 1e-4f);
}
