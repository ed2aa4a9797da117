#include "render/DiscTemplate.h"
#include "render/SnakeGeometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A test snake on its own small pool, laid out along the x axis.
struct TestSnake {
    explicit TestSnake(sf::Color color = sf::Color(200, 100, 0, 255)) {
        snake = std::make_unique<Snake>(0, pool.data(), L"test", color, true);
    }
    void lay(std::initializer_list<float> xs) {
        snake->pointCount = 0;
        for (float x : xs) snake->points[snake->pointCount++] = sf::Vector2f(x, 0.0f);
        snake->updateBounds();
    }
    std::vector<sf::Vector2f> pool = std::vector<sf::Vector2f>(MaxPoints);
    std::unique_ptr<Snake> snake;
};

const sf::VertexArray Disc = makeDiscTemplate();

ViewBounds viewAround(sf::Vector2f center, sf::Vector2f size = {1000.0f, 1000.0f}) {
    return ViewBounds(sf::View(center, size));
}

SnakeStores build(const Snake& snake, const ViewBounds& view, float t = 0.0f) {
    SnakeStores stores;
    stores.bodyVertices.resize(DiscVertices * (snake.pointCount + 5));
    stores.shadowVertices.resize(stores.bodyVertices.getVertexCount());
    stores.glowVertices.resize(stores.bodyVertices.getVertexCount());
    appendSnakeGeometry(snake, stores, Disc, view, t);
    return stores;
}

sf::Color darkened(sf::Color c) {
    return sf::Color(static_cast<sf::Uint8>(c.r * 0.65f), static_cast<sf::Uint8>(c.g * 0.65f),
                     static_cast<sf::Uint8>(c.b * 0.65f), c.a);
}

}  // namespace

TEST(SnakeGeometry, OnePointSnakeIsOneShadedDiscWithAShadowAndAHaloOnlyWhileBoosting) {
    TestSnake test;
    test.lay({100.0f});
    Snake& snake = *test.snake;
    const float r = std::sqrt(snake.radiusSquared);

    SnakeStores calm = build(snake, viewAround({0.0f, 0.0f}));
    EXPECT_EQ(calm.bodyCount, 72u);
    EXPECT_EQ(calm.shadowCount, 72u);
    EXPECT_EQ(calm.glowCount, 0u);
    // The head lies in the dark band; its rim is a third of that.
    const sf::Color dark = darkened(snake.color);
    for (std::size_t k = 0; k < 72; k += 3) {
        EXPECT_EQ(calm.bodyVertices[k].position, sf::Vector2f(100.0f, 0.0f));
        EXPECT_EQ(calm.bodyVertices[k].color, dark);
        EXPECT_EQ(calm.bodyVertices[k + 1].color, sf::Color(dark.r / 3, dark.g / 3, dark.b / 3, 255));
        const sf::Vector2f rim = calm.bodyVertices[k + 1].position - sf::Vector2f(100.0f, 0.0f);
        EXPECT_NEAR(std::hypot(rim.x, rim.y), r, 1e-3f);
        EXPECT_EQ(calm.shadowVertices[k].position, sf::Vector2f(100.0f + 0.35f * r, 0.35f * r));
        EXPECT_EQ(calm.shadowVertices[k + 2].color, sf::Color(0, 0, 0, 110));
    }
    // Consecutive triangles share their rim points: a closed fan.
    EXPECT_EQ(calm.bodyVertices[2].position, calm.bodyVertices[4].position);

    snake.boosting = true;
    SnakeStores boosting = build(snake, viewAround({0.0f, 0.0f}), 0.3f);
    EXPECT_EQ(boosting.bodyCount, 72u);
    EXPECT_EQ(boosting.glowCount, 72u);
    EXPECT_EQ(boosting.glowVertices[0].color, sf::Color(200, 100, 0, 160));
    EXPECT_EQ(boosting.glowVertices[1].color, sf::Color(200, 100, 0, 0));
    const sf::Vector2f halo = boosting.glowVertices[1].position - sf::Vector2f(100.0f, 0.0f);
    const float k = 1.35f + 0.25f * std::sin(15.0f * 0.3f);
    EXPECT_NEAR(std::hypot(halo.x, halo.y), k * r, 1e-3f);
    EXPECT_GE(std::hypot(halo.x, halo.y), 1.1f * r - 1e-3f);

    // A decaying blend alone makes no halo.
    snake.boosting = false;
    snake.boostBlend = 0.9f;
    EXPECT_EQ(build(snake, viewAround({0.0f, 0.0f})).glowCount, 0u);
}

TEST(SnakeGeometry, StripesAlternateEverySixtyUnitsAndBoostingBrightensThem) {
    TestSnake test(sf::Color(200, 0, 100, 255));
    // Discs at 0, 20, 40, ..., 100 from the head: radius 16.5 keeps them all.
    test.lay({0.0f, 20.0f, 40.0f, 60.0f, 80.0f, 100.0f});
    Snake& snake = *test.snake;
    const sf::Color dark = darkened(snake.color);
    const auto centreOfDiscAt = [](const SnakeStores& stores, float x) {
        for (std::size_t i = 0; i < stores.bodyCount; i += 72)
            if (stores.bodyVertices[i].position.x == x) return stores.bodyVertices[i].color;
        ADD_FAILURE() << "no disc at " << x;
        return sf::Color::Transparent;
    };

    const SnakeStores calm = build(snake, viewAround({0.0f, 0.0f}));
    ASSERT_EQ(calm.bodyCount, 6u * 72u);
    EXPECT_EQ(centreOfDiscAt(calm, 0.0f), dark);
    EXPECT_EQ(centreOfDiscAt(calm, 20.0f), dark);
    EXPECT_EQ(centreOfDiscAt(calm, 40.0f), snake.color);
    EXPECT_EQ(centreOfDiscAt(calm, 60.0f), dark);  // exactly one period: dark again
    EXPECT_EQ(centreOfDiscAt(calm, 100.0f), snake.color);
    // The tail is written first and the head last, on top.
    EXPECT_EQ(calm.bodyVertices[0].position.x, 100.0f);
    EXPECT_EQ(calm.bodyVertices[calm.bodyCount - 72].position.x, 0.0f);

    snake.boosting = true;
    const SnakeStores boosting = build(snake, viewAround({0.0f, 0.0f}));
    EXPECT_EQ(centreOfDiscAt(boosting, 40.0f), sf::Color(255, 60, 160, 255));
    EXPECT_EQ(centreOfDiscAt(boosting, 0.0f), sf::Color(190, 60, 125, 255));
}

TEST(SnakeGeometry, SamplingDropsCrowdedPointsButKeepsTheTail) {
    TestSnake test;
    // A quarter radius is about 4.13: points 2 or 4 from the last disc are
    // thinned out, the tail is kept however close.
    test.lay({0.0f, 2.0f, 4.0f, 6.0f, 8.0f, 10.0f, 12.0f, 13.0f});
    const SnakeStores stores = build(*test.snake, viewAround({0.0f, 0.0f}));
    ASSERT_EQ(stores.bodySamples.size(), 4u);
    EXPECT_EQ(stores.bodySamples[1].x, 6.0f);
    EXPECT_EQ(stores.bodySamples[2].x, 12.0f);
    EXPECT_EQ(stores.bodySamples[3].x, 13.0f);
    EXPECT_EQ(stores.bodySamples[3].distance, 13.0f);
    EXPECT_EQ(stores.bodyCount, 4u * 72u);
}

TEST(SnakeGeometry, SnakesAndDiscsOutOfViewAreSkipped) {
    TestSnake test;
    test.lay({0.0f});
    Snake& snake = *test.snake;
    snake.bounds = sf::FloatRect(-30.0f, -30.0f, 60.0f, 60.0f);
    // The view's left edge exactly on the bounds' right edge: no overlap.
    EXPECT_EQ(build(snake, viewAround({530.0f, 0.0f})).bodyCount, 0u);
    EXPECT_EQ(build(snake, viewAround({529.0f, 0.0f})).bodyCount, 72u);
    snake.alive = false;
    EXPECT_EQ(build(snake, viewAround({0.0f, 0.0f})).bodyCount, 0u);

    // A long snake reaching out of view keeps only the discs within 2.5 radii.
    TestSnake longSnake;
    longSnake.lay({0.0f, 300.0f, 600.0f, 900.0f});
    const float r = std::sqrt(longSnake.snake->radiusSquared);
    const SnakeStores stores = build(*longSnake.snake, viewAround({0.0f, 0.0f}, {1200.0f, 600.0f}));
    EXPECT_EQ(stores.bodyCount, 3u * 72u);
    const float reach = 600.0f + 2.5f * r;
    longSnake.lay({0.0f, 300.0f, reach});
    EXPECT_EQ(build(*longSnake.snake, viewAround({0.0f, 0.0f}, {1200.0f, 600.0f})).bodyCount, 3u * 72u);
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
    const ViewBounds view = viewAround({0.0f, 0.0f});
    buildSnakeGeometry(stores, snakes, Disc, view, 0.0f);
    EXPECT_EQ(stores.bodyVertices.getVertexCount(), 72u * (15u + 35u));
    EXPECT_EQ(stores.glowVertices.getVertexCount(), 72u * (15u + 35u));
    // Points all on one spot: the head and the tail of each live snake.
    EXPECT_EQ(stores.bodyCount, 4u * 72u);

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
