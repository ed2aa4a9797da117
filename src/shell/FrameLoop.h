#pragma once

#include "shell/BootScreen.h"
#include "shell/Controls.h"
#include "shell/ShellDevices.h"

#include "sim/PlayerInput.h"
#include "sim/World.h"

// What one frame decides before anything is drawn: the frame time goes into
// the accumulator, the events go through the controls, the input mode is
// worked out, and then the title screen updates or the world runs its fixed
// steps. Free of the window, so tests and the input fuzzer drive the very
// same decisions as the game.
class FrameLoop {
public:
    explicit FrameLoop(World& world);

    // One frame of frameSeconds measured time. Afterwards `controls.state`
    // tells which frame to draw.
    void frame(float frameSeconds, BootScreen& bootScreen, ShellDevices& devices);

    Controls controls;
    float accumulator = 0.0f;  // measured time not yet simulated
    int highScore = 0;         // the run's best, as the world frames drawn so far showed it

private:
    void handleEvents(BootScreen& bootScreen, ShellDevices& devices);
    void apply(const EventRequests& requests, const BootScreen& bootScreen, ShellDevices& devices);
    void startPlay(const BootScreen& bootScreen);
    void updateBootScreen(BootScreen& bootScreen, float frameSeconds, ShellDevices& devices) const;
    PlayerInput readPlayerInput(ShellDevices& devices) const;

    World& world;
};
