// neonvine-fuzz SEED EVENTS: seeded random events and readings through the shell's frame loop, checked after every
// event and frame. Nothing is drawn, so no display or GL is needed.

#include "Invariants.h"
#include "RandomInput.h"

#include "shell/FrameLoop.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

// The game from its title until the window closes or 4000 frames pass, with random devices and events.
class Session final : public ShellDevices {
public:
    explicit Session(RandomInput& random) : random(random) {}

    void run() {
        for (int frame = 0; frame < 4000 && !closed; ++frame) {
            const float seconds = random.frameSeconds(), rankingTimer = world.rankingTimer;  // every step moves it
            clock += seconds;
            eventsLeft = random.between(0, random.chance(0.05) ? 40 : 4);
            loop.frame(seconds, boot, *this);
            if (loop.controls.state == GameState::Boot && world.rankingTimer != rankingTimer)
                report("the world moved on the title");
            if (loop.controls.state == GameState::Playing)
                for (const std::string& broken : invariants.check(world)) report(broken.c_str());
        }
    }

    // Checks what the last event did before handing over the next.
    bool pollEvent(sf::Event& event) override {
        if (pending) checkLastEvent();
        if (closed || eventsLeft-- <= 0) return pending = false;
        if (random.chance(0.3)) mouse = random.mouse(mouse, size);
        if (random.chance(0.01)) size = random.windowSize();
        wasPlaying = loop.controls.state == GameState::Playing;
        event = random.event(mouse, !wasPlaying);
        ++events;
        return pending = true;
    }
    sf::Vector2i mousePosition() override { return mouse; }
    bool leftButtonHeld() override { return random.chance(0.5); }
    GamepadReading gamepad() override { return random.gamepad(); }
    bool gamepadButtonHeld(unsigned int) override { return random.chance(0.5); }
    sf::Vector2u windowSize() override { return size; }
    float gameSeconds() override {
        ++steps;
        return static_cast<float>(clock);
    }
    void closeWindow() override { closed = true; }
    void recreateWindow(const Controls&) override {}
    void showCursor(bool) override {}

    inline static long sessions = 0, events = 0, steps = 0, findings = 0;

private:
    void report(const char* what) {
        if (findings++ < 20) std::fprintf(stderr, "session %ld event %ld: %s\n", sessions, events, what);
    }

    // A name of at most 12 characters and no control code, a colour of the palette, and play entered only with a
    // name, by a live player of that name and colour.
    void checkLastEvent() {
        if (boot.name.size() > MaxNameLength ||
            std::any_of(boot.name.begin(), boot.name.end(), [](wchar_t c) { return c < 32; }))
            report("a name too long or holding a control code");
        if (boot.colorIndex < 0 || boot.colorIndex >= PaletteSize) return report("a colour off the palette");
        const Snake& player = world.player();
        if (!wasPlaying && loop.controls.state == GameState::Playing &&
            (boot.name.empty() || !player.alive || player.name != boot.name ||
             player.color != boot.palette[boot.colorIndex]))
            report("play started without a name or without a live player of the chosen name and colour");
    }

    RandomInput& random;
    World world;  // draws rand() where the last session left it
    BootScreen boot;
    FrameLoop loop{world};
    InvariantChecker invariants;
    bool pending = false, wasPlaying = false, closed = false;
    int eventsLeft = 0;
    double clock = 0.0;
    sf::Vector2i mouse;
    sf::Vector2u size{1920, 1080};
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return std::fputs("usage: neonvine-fuzz SEED EVENTS\n", stderr), 2;
    std::srand(static_cast<unsigned>(std::atol(argv[1])));
    RandomInput random(static_cast<unsigned>(std::atol(argv[1])));
    for (; Session::events < std::atol(argv[2]); ++Session::sessions) Session(random).run();
    std::printf("%ld sessions, %ld events, %ld steps, %ld findings\n", Session::sessions, Session::events,
                Session::steps, Session::findings);
    return Session::findings == 0 ? 0 : 1;
}
