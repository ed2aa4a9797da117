// neonvine-fuzz: plays seeded random streams of events and device readings
// into the shell's frame loop, session after session, and checks the shell
// after every event and every frame.
// Usage: neonvine-fuzz --seed N --events N
// Needs a display: the title screen measures its texts with the game font.

#include "FuzzDevices.h"
#include "RandomInput.h"

#include "render/BootScreen.h"
#include "shell/FrameLoop.h"
#include "shell/GameFont.h"
#include "sim/World.h"

#include <SFML/System/Err.hpp>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// A session that nobody closes ends after this many frames, so the next
// one starts from a fresh title screen.
constexpr long FramesPerSession = 4000;

struct Totals {
    long sessions = 0;
    long frames = 0;
    long events = 0;
    long steps = 0;
};

bool parse(int argc, char** argv, std::uint32_t& seed, long& events) {
    bool haveSeed = false, haveEvents = false;
    for (int i = 1; i + 1 < argc; i += 2) {
        char* end = nullptr;
        const unsigned long value = std::strtoul(argv[i + 1], &end, 10);
        if (*end != '\0') return false;
        if (std::strcmp(argv[i], "--seed") == 0) {
            seed = static_cast<std::uint32_t>(value);
            haveSeed = true;
        } else if (std::strcmp(argv[i], "--events") == 0) {
            events = static_cast<long>(value);
            haveEvents = true;
        } else {
            return false;
        }
    }
    return haveSeed && haveEvents && argc == 5;
}

// One run of the game from its title screen until the window is closed.
void runSession(RandomInput& random, const sf::Font& font, std::uint32_t seed, Findings& findings, Totals& totals) {
    std::srand(seed + static_cast<std::uint32_t>(totals.sessions));
    World world;
    BootScreen bootScreen(font);
    FrameLoop loop(world);
    loop.controls.lastMousePosition = random.mouse({}, {1920, 1080});
    FuzzDevices devices(random, loop, bootScreen, world, findings);
    const std::string session = "seed " + std::to_string(seed) + " session " + std::to_string(totals.sessions);
    for (long frame = 0; frame < FramesPerSession && !devices.closed(); ++frame) {
        devices.where = session + " frame " + std::to_string(frame);
        const float frameSeconds = random.frameSeconds();
        devices.beginFrame(frameSeconds);
        loop.frame(frameSeconds, bootScreen, devices);
        devices.endFrame();
        ++totals.frames;
    }
    ++totals.sessions;
    totals.events += devices.events;
    totals.steps += devices.steps;
}

}  // namespace

int main(int argc, char** argv) {
    std::uint32_t seed = 0;
    long events = 0;
    if (!parse(argc, argv, seed, events)) {
        std::fputs("usage: neonvine-fuzz --seed N --events N\n", stderr);
        return 2;
    }
    sf::err().rdbuf(nullptr);
    sf::Font font;
    loadGameFont(font);
    RandomInput random(seed);
    Findings findings;
    Totals totals;
    const auto start = std::chrono::steady_clock::now();
    while (totals.events < events) runSession(random, font, seed, findings, totals);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("sessions %ld\nframes %ld\nevents %ld\nsteps %ld\nseconds %.1f\nviolations %ld\n", totals.sessions,
                totals.frames, totals.events, totals.steps, seconds, findings.count);
    return findings.count == 0 ? 0 : 1;
}
