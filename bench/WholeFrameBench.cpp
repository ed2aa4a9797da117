// Whole frames as the game runs them, in a real window: one fixed step,
// then the world frame (or the title frame) drawn and displayed. Each case
// plays the same frames twice from its seed: the first pass fills what a
// first sight fills once (a glyph never drawn before, room for a longer
// string), the second is timed, frame by frame, and its drawing counted in
// heap allocations. Animations run on the step clock, so a case always
// shows the same frames.
#include "WholeFrameBench.h"

#include "AllocationCounter.h"
#include "AutoPlayer.h"
#include "Crowding.h"
#include "SeededArena.h"
#include "StepStats.h"

#include "render/BootScreenDrawing.h"
#include "render/ContextHold.h"
#include "render/PlayScreen.h"
#include "render/ScoreDisplay.h"
#include "shell/BootScreen.h"
#include "shell/GameFont.h"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Err.hpp>
#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <memory>
#include <optional>

namespace {

enum class Scene { Title, Standard, Crowded };

constexpr unsigned Seed = 42;
constexpr int Frames = 300;

class FrameRun {
public:
    FrameRun(Scene scene, sf::Vector2u size)
        : scene(scene), window(sf::VideoMode(size.x, size.y), "Neonvine", sf::Style::None) {
        loadGameFont(font);
        playScreen.build(font);
        bootScreenDrawing = std::make_unique<BootScreenDrawing>(font);
        window.setActive(true);
        contextHold.emplace();
    }

    // The seeded start, then a minute of play, or the time the crowd's
    // bodies take to unfold.
    void start() {
        arena.world.reset();  // its bots hand their names back, so the seed gives the same names again
        arena = seededArena(Seed);
        steps = 0;
        highScore = 0;
        const int lead = scene == Scene::Standard ? 3600 : scene == Scene::Crowded ? 600 : 0;
        for (int i = 0; i < lead; ++i) advance();
    }

    // The frame's fixed step, as the frame loop runs it.
    void advance() {
        if (scene == Scene::Title) return;  // the title runs none
        const float t = static_cast<float>(steps) * StepSeconds;
        if (scene == Scene::Crowded) {
            crowd(*arena.world);
            arena.world->step(t, crowdedPlayerInput());
        } else {
            arena.world->step(t, autoPlayerInput(*arena.world, steps));
        }
        ++steps;
    }

    // The title frame begins with the screen's update.
    void draw() {
        if (scene == Scene::Title) {
            BootInput input;
            input.windowSize = window.getSize();
            bootScreen.update(input, StepSeconds);
            bootScreenDrawing->draw(window, bootScreen.look(), arena.layers, decorationCanvas);
            return;
        }
        highScore = raisedHighScore(highScore, arena.world->player());
        playScreen.draw(window, *arena.world, arena.layers, decorationCanvas, static_cast<float>(steps) * StepSeconds,
                        highScore);
    }

    void display() { window.display(); }

    // The next frame, read back before it is displayed.
    void saveShot(const std::string& path) {
        advance();
        draw();
        sf::Texture texture;
        texture.create(window.getSize().x, window.getSize().y);
        texture.update(window);
        texture.copyToImage().saveToFile(path);
        display();
    }

private:
    Scene scene;
    sf::RenderWindow window;
    sf::Font font;
    PlayScreen playScreen;
    DecorationCanvas decorationCanvas;
    BootScreen bootScreen;
    std::unique_ptr<BootScreenDrawing> bootScreenDrawing;
    std::optional<ContextHold> contextHold;  // as the game holds it
    SeededArena arena;
    int steps = 0;
    int highScore = 0;
};

void wholeFrames(benchmark::State& state, Scene scene, sf::Vector2u size, const std::string& shot) {
    FrameRun run(scene, size);
    run.start();
    for (int i = 0; i < Frames; ++i) {
        run.advance();
        run.draw();
        run.display();
    }
    run.start();
    std::vector<double> frameMillis;
    frameMillis.reserve(Frames);
    std::size_t allocations = 0;
    const std::clock_t cpuStart = std::clock();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        run.advance();
        const std::size_t before = allocationCount();
        run.draw();
        run.display();
        allocations += allocationCount() - before;
        frameMillis.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    // The renderer's own threads included; less swayed by other work on the
    // machine than the wall time.
    state.counters["cpuMsPerFrame"] = 1000.0 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC / Frames;
    state.counters["allocationsPerFrame"] = static_cast<double>(allocations) / Frames;
    const double median = percentile(frameMillis, 0.5);
    state.counters["medianFrameMs"] = median;
    state.counters["fps"] = 1000.0 / median;
    if (!shot.empty()) run.saveShot(shot);
}

}  // namespace

void registerWholeFrames(const std::string& shotFolder) {
    sf::err().rdbuf(nullptr);  // no vertical sync under Xvfb, and the library says so
    const struct {
        const char* name;
        Scene scene;
    } scenes[] = {{"Title", Scene::Title}, {"Standard", Scene::Standard}, {"Crowded", Scene::Crowded}};
    for (const sf::Vector2u size : {sf::Vector2u(1280, 720), sf::Vector2u(1920, 1080), sf::Vector2u(3840, 2160)}) {
        for (const auto& entry : scenes) {
            const std::string height = std::to_string(size.y);
            const std::string name = std::string("WholeFrame/") + entry.name + "/" + std::to_string(size.x) + "x" + height;
            const std::string shot = shotFolder.empty() ? "" : shotFolder + "/" + entry.name + "-" + height + ".png";
            benchmark::RegisterBenchmark(name.c_str(), wholeFrames, entry.scene, size, shot)
                ->Iterations(Frames)
                ->UseRealTime()
                ->Unit(benchmark::kMillisecond);
        }
    }
}
