#pragma once

#include "RandomInput.h"
#include "ShellChecks.h"

#include "Invariants.h"

#include "render/BootScreen.h"
#include "shell/FrameLoop.h"
#include "shell/ShellDevices.h"
#include "sim/World.h"

#include <cstdint>
#include <string>
#include <vector>

// Broken rules as they are found, the first few printed with where.
struct Findings {
    void report(const std::string& where, const std::vector<std::string>& found);

    long count = 0;
};

// Stands where the window and the devices stand in the game: plays a random
// stream of events and readings into the frame loop and checks the shell
// after every event and every frame.
class FuzzDevices final : public ShellDevices {
public:
    FuzzDevices(RandomInput& random, FrameLoop& loop, BootScreen& bootScreen, const World& world,
                Findings& findings);

    // Readies one frame of the given length: its events and readings.
    void beginFrame(float frameSeconds);
    // Checks the last event and what the frame as a whole did.
    void endFrame();
    bool closed() const { return shown.closed; }

    bool pollEvent(sf::Event& event) override;
    sf::Vector2i mousePosition() override { return mouse; }
    bool leftButtonHeld() override { return leftButton; }
    GamepadReading gamepad() override { return pad; }
    bool gamepadButtonHeld(unsigned int button) override;
    sf::Vector2u windowSize() override { return size; }
    float gameSeconds() override;
    void closeWindow() override { shown.closed = true; }
    void recreateWindow(const Controls& controls) override;
    void showCursor(bool) override {}

    long events = 0;
    long steps = 0;
    std::string where;  // the frame, for reports

private:
    ShellView view() const;
    void checkLastEvent();
    void applyToDevices(const sf::Event& event);

    RandomInput& random;
    FrameLoop& loop;
    BootScreen& bootScreen;
    const World& world;
    Findings& findings;
    InvariantChecker invariants;

    ShellView shown;  // window state as the loop left it
    ShellView beforeEvent;
    sf::Event lastEvent{};
    bool lastOnSwatch = false;
    bool eventPending = false;
    bool eventsDone = false;
    int eventsLeft = 0;
    int frameSteps = 0;
    std::uint64_t fingerprintAtStart = 0;
    double clock = 0.0;

    sf::Vector2i mouse;
    bool leftButton = false;
    bool padConnected = false;
    GamepadReading pad;
    unsigned int padButtons = 0;
    sf::Vector2u size{1920, 1080};
};
