#include "shell/FrameLoop.h"

#include "shell/FixedStep.h"

#include "render/ScoreDisplay.h"

#include <algorithm>

FrameLoop::FrameLoop(World& world) : world(world) {}

void FrameLoop::frame(float frameSeconds, BootScreen& bootScreen, ShellDevices& devices) {
    accumulator = accumulateFrame(accumulator, frameSeconds);
    handleEvents(bootScreen, devices);
    if (controls.state == GameState::Boot) {
        updateBootScreen(bootScreen, std::min(frameSeconds, MaxFrameSeconds), devices);
        return;
    }
    for (int steps = takeSteps(accumulator); steps > 0; --steps) {
        const float stepTime = devices.gameSeconds();
        world.step(stepTime, readPlayerInput(devices));
    }
    // A world frame is drawn next: only the scores it shows can be the record.
    highScore = raisedHighScore(highScore, world.player());
}

// Every pending event, then the input mode; the cursor follows both.
void FrameLoop::handleEvents(BootScreen& bootScreen, ShellDevices& devices) {
    sf::Event event;
    while (devices.pollEvent(event)) {
        const bool onSwatch = bootScreen.swatchContains(sf::Vector2f(devices.mousePosition()));
        apply(handleEvent(event, onSwatch, controls, {bootScreen.name, bootScreen.colorIndex}), bootScreen, devices);
    }
    updateInputMode(controls, devices.gamepad(), devices.mousePosition());
    devices.showCursor(controls.cursorVisible);
}

void FrameLoop::apply(const EventRequests& requests, const BootScreen& bootScreen, ShellDevices& devices) {
    if (requests.close) devices.closeWindow();
    if (requests.startPlay) startPlay(bootScreen);
    if (requests.recreateWindow) devices.recreateWindow(controls);
}

// Time spent on the title is dropped, so play never starts by running off
// a backlog of steps at once.
void FrameLoop::startPlay(const BootScreen& bootScreen) {
    world.startPlayer(bootScreen.name, bootScreen.chosenColor());
    accumulator = 0.0f;
}

void FrameLoop::updateBootScreen(BootScreen& bootScreen, float frameSeconds, ShellDevices& devices) const {
    BootInput input;
    input.windowSize = devices.windowSize();
    input.mouse = sf::Vector2f(devices.mousePosition());
    input.leftButton = devices.leftButtonHeld();
    input.gamepad = devices.gamepad();
    bootScreen.update(input, frameSeconds);
}

PlayerInput FrameLoop::readPlayerInput(ShellDevices& devices) const {
    PlayerInput input;
    const sf::Vector2u size = devices.windowSize();
    const sf::Vector2i mouse = devices.mousePosition();
    input.mouseOffset = sf::Vector2f(static_cast<float>(mouse.x) - static_cast<float>(size.x) * 0.5f,
                                     static_cast<float>(mouse.y) - static_cast<float>(size.y) * 0.5f);
    input.leftButton = devices.leftButtonHeld();
    input.button0 = devices.gamepadButtonHeld(0);
    input.button1 = devices.gamepadButtonHeld(1);
    input.stick = controls.stick;
    input.useStick = controls.gamepadActive;
    return input;
}
