#include "render/DiscTemplate.h"
#include "render/SnakeGeometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A snake on its own small pool, its points along the x axis.
struct TestSnake {
    explicit TestSnake(std::initializer_list<float> xs, sf::Color color = sf::Color(200, 100, 0, 255))
        : snake(0, pool.data(), L"test", color, true) {
        lay(xs);
    }
    void lay(std::initializer_list<float> xs) {
        snake.pointCount = 0;
        for (float x : xs) snake.points[snake.pointCount++] = sf::Vector2f(x, 0.0f);
        snake.updateBounds();
    }
    std::vector<sf::Vector2f> pool = std::vector<sf::Vector2f>(MaxPoints);
    Snake snake;
};

const sf::VertexArray Disc = makeDiscTemplate();

SnakeStores build(const Snake& snake, sf::Vector2f center = {}, float t = 0.0f, sf::Vector2f size = {1000.0f, 1000.0f}) {
    SnakeStores stores;
    stores.bodyVertices.resize(DiscVertices * (snake.pointCount + 5));
    stores.shadowVertices.resize(stores.bodyVertices.getVertexCount());
    stores.glowVertices.resize(stores.bodyVertices.getVertexCount());
    appendSnakeGeometry(snake, stores, Disc, ViewBounds(sf::View(center, size)), t);
    return stores;
}

sf::Color scaled(sf::Color c, float k) {
    return sf::Color(static_cast<sf::Uint8>(c.r * k), static_cast<sf::Uint8>(c.g * k), static_cast<sf::Uint8>(c.b * k), c.a);
}

float distance(sf::Vector2f a, sf::Vector2f b) { return std::hypot(a.x - b.x, a.y - b.y); }

}  // namespace

TEST(SnakeGeometry, OnePointSnakeIsOneShadedDiscWithAShadowAndAHaloOnlyWhileBoosting) {
    TestSnake test({100.0f});
    Snake& snake = test.snake;
    const float r = std::sqrt(snake.radiusSquared);
    const sf::Vector2f at(100.0f, 0.0f);
    const SnakeStores calm = build(snake);
    EXPECT_EQ(std::make_tuple(calm.bodyCount, calm.shadowCount, calm.glowCount), std::make_tuple(std::size_t{72}, std::size_t{72}, std::size_t{0}));
    // The head lies in the dark band; its rim is a third of that.
    const sf::Color dark = scaled(snake.color, 0.65f);
    for (std::size_t k = 0; k < 72; k += 3) {
        EXPECT_EQ(calm.bodyVertices[k].position, at);
        EXPECT_EQ(calm.bodyVertices[k].color, dark);
        EXPECT_EQ(calm.bodyVertices[k + 1].color, sf::Color(dark.r / 3, dark.g / 3, dark.b / 3, 255));
        EXPECT_NEAR(distance(calm.bodyVertices[k + 1].position, at), r, 1e-3f);
        EXPECT_EQ(calm.shadowVertices[k].position, sf::Vector2f(100.0f + 0.35f * r, 0.35f * r));
        EXPECT_EQ(calm.shadowVertices[k + 2].color, sf::Color(0, 0, 0, 110));
    }
    EXPECT_EQ(calm.bodyVertices[2].position, calm.bodyVertices[4].position);  // a closed fan

    snake.boosting = true;
    const SnakeStores boosting = build(snake, {}, 0.3f);
    EXPECT_EQ(std::make_pair(boosting.bodyCount, boosting.glowCount), std::make_pair(std::size_t{72}, std::size_t{72}));
    EXPECT_EQ(boosting.glowVertices[0].color, sf::Color(200, 100, 0, 160));
    EXPECT_EQ(boosting.glowVertices[1].color, sf::Color(200, 100, 0, 0));
    const float halo = distance(boosting.glowVertices[1].position, at);
    EXPECT_NEAR(halo, (1.35f + 0.25f * std::sin(15.0f * 0.3f)) * r, 1e-3f);
    EXPECT_GE(halo, 1.1f * r - 1e-3f);
    // A decaying blend alone makes no halo.
    snake.boosting = false;
    snake.boostBlend = 0.9f;
    EXPECT_EQ(build(snake).glowCount, 0u);
}

TEST(SnakeGeometry, StripesAlternateEverySixtyUnitsAndBoostingBrightensThem) {
    TestSnake test({0.0f, 20.0f, 30.0f, 40.0f, 60.0f, 80.0f, 100.0f}, sf::Color(200, 0, 100, 255));
    Snake& snake = test.snake;
    const auto centreAt = [](const SnakeStores& stores, float x) {
        for (std::size_t i = 0; i < stores.bodyCount; i += 72)
            if (stores.bodyVertices[i].position.x == x) return stores.bodyVertices[i].color;
        ADD_FAILURE() << "no disc at " << x;
        return sf::Color::Transparent;
    };
    const SnakeStores calm = build(snake);
    ASSERT_EQ(calm.bodyCount, 7u * 72u);  // radius 16.5 keeps every disc
    const sf::Color dark = scaled(snake.color, 0.65f);
    // The first half of each 60-unit period is dark, its midpoint included.
    const std::pair<float, sf::Color> bands[] = {
        {0.0f, dark}, {20.0f, dark}, {30.0f, dark}, {40.0f, snake.color}, {60.0f, dark}, {100.0f, snake.color}};
    for (const auto& band : bands) EXPECT_EQ(centreAt(calm, band.first), band.second) << band.first;
    // The tail is written first and the head last, on top.
    EXPECT_EQ(calm.bodyVertices[0].position.x, 100.0f);
    EXPECT_EQ(calm.bodyVertices[calm.bodyCount - 72].position.x, 0.0f);
    snake.boosting = true;
    const SnakeStores boosting = build(snake);
    EXPECT_EQ(centreAt(boosting, 40.0f), sf::Color(255, 60, 160, 255));
    EXPECT_EQ(centreAt(boosting, 0.0f), sf::Color(190, 60, 125, 255));
}

TEST(SnakeGeometry, SamplingDropsCrowdedPointsButKeepsTheTail) {
    // A quarter radius is about 4.13: points 2 or 4 from the last disc are thinned out.
    TestSnake test({0.0f, 2.0f, 4.0f, 6.0f, 8.0f, 10.0f, 12.0f, 13.0f});
    const SnakeStores stores = build(test.snake);
    ASSERT_EQ(stores.bodySamples.size(), 4u);
    EXPECT_EQ(stores.bodySamples[1].x, 6.0f);
    EXPECT_EQ(stores.bodySamples[2].x, 12.0f);
    EXPECT_EQ(stores.bodySamples[3].x, 13.0f);
    EXPECT_EQ(stores.bodySamples[3].distance, 13.0f);
    EXPECT_EQ(stores.bodyCount, 4u * 72u);
}

TEST(SnakeGeometry, SnakesAndDiscsOutOfViewAreSkipped) {
    TestSnake test({0.0f});
    Snake& snake = test.snake;
    snake.bounds = sf::FloatRect(-30.0f, -30.0f, 60.0f, 60.0f);
    EXPECT_EQ(build(snake, {530.0f, 0.0f}).bodyCount, 0u);  // edges touching is no overlap
    EXPECT_EQ(build(snake, {529.0f, 0.0f}).bodyCount, 72u);
    snake.alive = false;
    EXPECT_EQ(build(snake).bodyCount, 0u);
    // A long snake reaching out of view keeps only the discs within 2.5 radii.
    TestSnake longSnake({0.0f, 300.0f, 600.0f, 900.0f});
    const float r = std::sqrt(longSnake.snake.radiusSquared);
    EXPECT_EQ(build(longSnake.snake, {}, 0.0f, {1200.0f, 600.0f}).bodyCount, 3u * 72u);
    longSnake.lay({0.0f, 300.0f, 600.0f + 2.5f * r});
    EXPECT_EQ(build(longSnake.snake, {}, 0.0f, {1200.0f, 600.0f}).bodyCount, 3u * 72u);
}

TEST(SnakeGeometry, StoresGrowToTheLiveSnakesAndThenStayPut) {
    std::vector<sf::Vector2f> pool(MaxSnakes * MaxPoints);
    std::vector<std::unique_ptr<Snake>> snakes;
    for (std::size_t id = 0; id < 3; ++id) {
        snakes.push_back(std::make_unique<Snake>(id, pool.data(), L"", sf::Color::Green, true));
        snakes.back()->pointCount = 10 * (id + 1);
        snakes.back()->updateBounds();
    }
    snakes[1]->alive = false;
    SnakeStores stores;
    const ViewBounds view(sf::View({0.0f, 0.0f}, {1000.0f, 1000.0f}));
    buildSnakeGeometry(stores, snakes, Disc, view, 0.0f);
    EXPECT_EQ(stores.bodyVertices.getVertexCount(), 72u * (15u + 35u));
    EXPECT_EQ(stores.glowVertices.getVertexCount(), 72u * (15u + 35u));
    EXPECT_EQ(stores.bodyCount, 4u * 72u);  // all points on one spot: head and tail of each live snake
    const sf::Vertex* before = &stores.bodyVertices[0];
    snakes[2]->pointCount = 1;
    buildSnakeGeometry(stores, snakes, Disc, view, 0.0f);
    EXPECT_EQ(stores.bodyVertices.getVertexCount(), 72u * (15u + 35u));
    EXPECT_EQ(&stores.bodyVertices[0], before);
    EXPECT_EQ(stores.bodyCount, 3u * 72u);
    snakes.clear();
    buildSnakeGeometry(stores, snakes, Disc, view, 0.0f);
    EXPECT_EQ(stores.bodyCount, 0u);
}
