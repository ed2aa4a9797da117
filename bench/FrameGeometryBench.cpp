// CPU cost of building one frame's geometry: pellet quads, the three snake
// stores, spark quads and eye placement, for the standard arena after a
// minute of play and for a crowd of 40 boosting 512-point snakes all in view.
// Needs no window.
#include "AllocationCounter.h"

#include "render/DiscTemplate.h"
#include "render/Eyes.h"
#include "render/PelletQuads.h"
#include "render/SnakeGeometry.h"
#include "render/SparkQuads.h"
#include "render/WorldView.h"
#include "sim/World.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>

namespace {

const sf::Vector2u Screen(1920, 1080);

struct FrameBuilder {
    void build(const World& world, float t) {
        const ViewBounds view(worldView(world.cameraCenter, world.zoom, Screen));
        buildPelletQuads(pelletVertices, world.pelletGrid, view, t, 128.0f);
        buildSnakeGeometry(stores, world.snakes, discTemplate, view, t);
        buildSparkQuads(sparkVertices, world.particles);
        for (const auto& snake : world.snakes) {
            if (snake->alive && view.near(snake->points[0], 4.0f * std::sqrt(snake->radiusSquared)))
                benchmark::DoNotOptimize(eyesOf(*snake));
        }
        benchmark::DoNotOptimize(stores.bodyCount);
    }
    sf::VertexArray discTemplate = makeDiscTemplate();
    sf::VertexArray pelletVertices;
    SnakeStores stores;
    sf::VertexArray sparkVertices;
};

void reportCounts(benchmark::State& state, const FrameBuilder& frame) {
    state.counters["bodyVertices"] = static_cast<double>(frame.stores.bodyCount);
    state.counters["glowVertices"] = static_cast<double>(frame.stores.glowCount);
    state.counters["pelletQuads"] = static_cast<double>(frame.pelletVertices.getVertexCount() / 4);
}

// The first build grows the stores; the timed ones are counted in heap allocations.
void runFrames(benchmark::State& state, const World& world) {
    FrameBuilder frame;
    float t = 0.0f;
    frame.build(world, t);
    const std::size_t before = allocationCount();
    for (auto _ : state) {
        frame.build(world, t);
        t += 0.016666668f;
    }
    state.counters["allocationsPerFrame"] =
        static_cast<double>(allocationCount() - before) / static_cast<double>(state.iterations());
    reportCounts(state, frame);
}

// A minute of play with the player steering in a wide circle.
void StandardArena(benchmark::State& state) {
    std::srand(42);
    World world;
    world.startPlayer(L"Bench", sf::Color::Cyan);
    PlayerInput input;
    for (int step = 0; step < 3600; ++step) {
        const float a = static_cast<float>(step) * 0.01f;
        input.mouseOffset = sf::Vector2f(200.0f * std::cos(a), 200.0f * std::sin(a));
        world.step(static_cast<float>(step) * 0.016666668f, input);
    }
    runFrames(state, world);
}

// Forty snakes of 512 points at the zoom floor, every one boosting, laid in
// rows across a 1920 x 1080 view; the pellet pool full and 3000 sparks.
void CrowdedWorstCase(benchmark::State& state) {
    std::srand(42);
    World world;
    world.zoom = 0.55f;
    world.cameraCenter = sf::Vector2f(0.0f, 0.0f);
    const float mass = 31000.0f;
    const float spacing = std::sqrt(radiusSquaredFor(mass)) * 0.04f + 7.8f;
    for (std::size_t k = 0; k < world.snakes.size(); ++k) {
        Snake& snake = *world.snakes[k];
        snake.alive = true;
        snake.boosting = true;
        snake.mass = mass;
        snake.radiusSquared = radiusSquaredFor(mass);
        snake.pointCount = MaxPoints;
        for (std::size_t i = 0; i < MaxPoints; ++i) {
            const float d = static_cast<float>(i) * spacing;
            const float row = std::floor(d / 3400.0f);
            snake.points[i] = sf::Vector2f(-1700.0f + std::fmod(d, 3400.0f),
                                           -900.0f + 15.0f * static_cast<float>(k) + 500.0f * row);
        }
        snake.updateBounds();
    }
    while (world.livePelletCount() < PelletPoolSize) {
        const float x = static_cast<float>(std::rand() % 3400 - 1700);
        const float y = static_cast<float>(std::rand() % 1900 - 950);
        world.addPellet(sf::Vector2f(x, y), 5.8f, sf::Color::Yellow, false);
    }
    world.rebuildPelletGrid();
    world.particles.clear();
    for (int i = 0; i < 1000; ++i)
        spawnSparks(world.particles, sf::Vector2f(static_cast<float>(i - 500), 0.0f), sf::Color::White);
    runFrames(state, world);
}

}  // namespace

BENCHMARK(StandardArena)->Unit(benchmark::kMillisecond);
BENCHMARK(CrowdedWorstCase)->Unit(benchmark::kMillisecond);
