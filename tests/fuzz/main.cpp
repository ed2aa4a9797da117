// neonvine-fuzz SEED EVENTS: seeded random events and readings through the shell's frame loop, checked after every
// event and frame. Nothing is drawn, so no display or GL is needed.

#include "Invariants.h"

#include "shell/FrameLoop.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>

namespace {

// Whatever a person and the machine can throw at the shell, drawn from a generator of its own, so the world's rand()
// draws stay those of the seed.
class RandomInput {
public:
    explicit RandomInput(unsigned seed)
        : generator(seed) {}

    bool chance(double p) { return std::uniform_real_distribution<double>(0.0, 1.0)(generator) < p; }
    template <typename T>
    T between(T low, T high) {
        return std::uniform_int_distribution<T>(low, high)(generator);
    }
    template <typename T>
    T pick(std::initializer_list<T> values) {
        return values.begin()[between<std::size_t>(0, values.size() - 1)];
    }

    // Any kind, mostly those and the keys the shell reacts to, typing on the title, seldom a close; of the payloads
    // those the shell reads (the devices hand it the pointer, the window's size and the stick).
    sf::Event event(bool onTitle) {
        using E = sf::Event;
        using K = sf::Keyboard;
        sf::Event event{};
        const auto shellKind = pick({E::TextEntered, E::KeyPressed, E::MouseButtonPressed, E::JoystickButtonPressed});
        const auto kind = onTitle && chance(0.5) ? E::TextEntered : shellKind;
        event.type = chance(0.002) ? E::Closed : chance(0.6) ? kind : E::EventType(between<int>(1, E::Count - 1));
        const int button = between(0, chance(0.2) ? 1 : sf::Joystick::ButtonCount - 1);
        const auto shellKey = pick({K::Enter, K::Escape, K::F11, K::Left, K::Right, K::Up, K::Down, K::BackSpace});
        if (event.type == E::TextEntered) event.text.unicode = codePoint();
        if (event.type == E::KeyPressed || event.type == E::KeyReleased)
            event.key.code = chance(0.5) ? shellKey : K::Key(between<int>(K::Unknown, K::KeyCount - 1));
        if (event.type == E::MouseButtonPressed || event.type == E::MouseButtonReleased)
            event.mouseButton.button = sf::Mouse::Button(button % sf::Mouse::ButtonCount);
        if (event.type == E::JoystickButtonPressed || event.type == E::JoystickButtonReleased)
            event.joystickButton.button = unsigned(button);
        return event;
    }

    // In range, at or beside the thresholds (10, 15, 50) and ends, far out, the largest, infinite.
    float axis() {
        using Limits = std::numeric_limits<float>;
        const float sign = chance(0.5) ? -1.0f : 1.0f;
        if (chance(0.3)) return sign * pick({0.0f, 10.0f, 15.0f, 50.0f, 100.0f}) * pick({0.9999f, 1.0f, 1.0001f});
        if (chance(0.2)) return sign * pick({Limits::max(), Limits::infinity(), Limits::denorm_min()});
        return sign * uniform(0.0f, chance(0.8) ? 100.0f : 1e6f);
    }

    GamepadReading gamepad() { return {chance(0.3), axis(), axis(), axis(), axis()}; }

    // A small move, anywhere in the window, at a swatch, or 16-bit far.
    sf::Vector2i mouse(sf::Vector2i last, sf::Vector2u window) {
        const int width = static_cast<int>(window.x), swatch = between(0, 17);
        const sf::Vector2i onSwatch(width / 2 - 300 + 75 * (swatch % 9), 550 + 65 * (swatch / 9));
        return pick({last + near(8), onSwatch + near(30), {between(0, width), between<int>(0, window.y)}, near(65535)});
    }

    sf::Vector2u windowSize() {
        return pick<sf::Vector2u>({{1280, 720}, {0, 0}, {1, 1}, {between(0u, 1u << 14), between(0u, 1u << 14)}});
    }

    // From none to a minute, with the edges of the step and the clamp.
    float frameSeconds() {
        return chance(0.1) ? pick({0.0f, 0.016666668f, 0.25f, 60.0f}) : uniform(0.0f, chance(0.8) ? 0.05f : 60.0f);
    }

private:
    // Backspace, so that names run from empty to full; printable, C0, DEL, C1, surrogates, Unicode and past it.
    sf::Uint32 codePoint() {
        const auto range = pick<std::pair<sf::Uint32, sf::Uint32>>(
            {{32, 126}, {32, 126}, {0, 0x9F}, {0xD800, 0xDFFF}, {0, 0x10FFFF}, {0x10FFFF, 0x110000}, {0, ~0u}});
        return chance(0.3) ? 8 : between(range.first, range.second);
    }
    sf::Vector2i near(int reach) { return {between(-reach, reach), between(-reach, reach)}; }
    float uniform(float low, float high) { return std::uniform_real_distribution<float>(low, high)(generator); }

    std::mt19937 generator;
};

// The game from its title until the window closes or 4000 frames pass, with random devices and events.
class Session final : public ShellDevices {
public:
    explicit Session(RandomInput& random)
        : random(random) {}

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
        event = random.event(!wasPlaying);
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
