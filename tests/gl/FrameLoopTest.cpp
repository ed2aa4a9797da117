#include "shell/FrameLoop.h"

#include "shell/FixedStep.h"

#include "../InputEvents.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <vector>

namespace {

// Devices whose events and readings a test sets frame by frame; it counts
// the steps by the clock reads that open them.
struct ScriptedDevices final : ShellDevices {
    bool pollEvent(sf::Event& event) override {
        if (isClosed || events.empty()) return false;
        event = events.front();
        events.pop_front();
        return true;
    }
    sf::Vector2i mousePosition() override { return mouse; }
    bool leftButtonHeld() override { return false; }
    GamepadReading gamepad() override { return pad; }
    bool gamepadButtonHeld(unsigned int) override { return false; }
    sf::Vector2u windowSize() override { return {1280, 720}; }
    float gameSeconds() override {
        ++steps;
        return 0.0f;
    }
    void closeWindow() override { ++closes, isClosed = true; }
    void recreateWindow(const Controls&) override {}
    void showCursor(bool visible) override { cursorShown = visible; }

    std::deque<sf::Event> events;
    sf::Vector2i mouse{640, 360};
    GamepadReading pad;
    int steps = 0;
    int closes = 0;
    bool isClosed = false;
    bool cursorShown = true;
};

// One arena, its title screen and the loop, with a font that has no face:
// the texts measure empty, as on a machine without fonts.
struct Shell {
    Shell() : loop(world), bootScreen(font) { loop.controls.lastMousePosition = devices.mouse; }

    struct Seed {
        Seed() { std::srand(4); }
    };

    // Runs one frame with these events; returns the steps it ran.
    int frame(float seconds, std::vector<sf::Event> events = {}) {
        devices.events.assign(events.begin(), events.end());
        const int before = devices.steps;
        loop.frame(seconds, bootScreen, devices);
        return devices.steps - before;
    }

    std::vector<sf::Vector2f> botHeads() const {
        std::vector<sf::Vector2f> heads;
        for (std::size_t i = 1; i < world.snakes.size(); ++i) heads.push_back(world.snakes[i]->points[0]);
        return heads;
    }

    Seed seed;  // before the world's draws
    World world;
    FrameLoop loop;
    sf::Font font;
    BootScreen bootScreen;
    ScriptedDevices devices;
};


}  // namespace

TEST(FrameLoop, AStallRunsFifteenStepsThenRealTime) {
    Shell shell;
    EXPECT_EQ(shell.frame(StepSeconds, {keyPress(sf::Keyboard::Enter)}), 0);  // the title's time is dropped
    EXPECT_EQ(shell.frame(10.0f), 15);
    EXPECT_EQ(shell.frame(StepSeconds), 1);
    EXPECT_EQ(shell.frame(0.0f), 0);
    EXPECT_EQ(shell.frame(60.0f), 15);
    EXPECT_EQ(shell.frame(2.0f * StepSeconds), 2);
}

TEST(FrameLoop, TheTitleFreezesTheWorldAndItsTimeIsDropped) {
    Shell shell;
    const std::vector<sf::Vector2f> frozen = shell.botHeads();
    EXPECT_EQ(shell.frame(10.0f), 0);
    EXPECT_EQ(shell.frame(0.1f, {keyPress(sf::Keyboard::Right)}), 0);
    EXPECT_EQ(shell.botHeads(), frozen);
    EXPECT_EQ(shell.bootScreen.colorIndex, 1);

    EXPECT_EQ(shell.frame(0.11f, {keyPress(sf::Keyboard::Enter)}), 0);
    EXPECT_EQ(shell.frame(0.11f), 6);
    const std::vector<sf::Vector2f> left = shell.botHeads();
    EXPECT_NE(left, frozen);
    // Escape ends play before the frame's steps; the title then holds the
    // world where it stood, however long it stays.
    EXPECT_EQ(shell.frame(0.11f, {keyPress(sf::Keyboard::Escape)}), 0);
    EXPECT_EQ(shell.loop.controls.state, GameState::Boot);
    EXPECT_EQ(shell.devices.closes, 0);
    EXPECT_EQ(shell.frame(10.0f), 0);
    EXPECT_EQ(shell.botHeads(), left);
    EXPECT_EQ(shell.frame(0.02f, {keyPress(sf::Keyboard::Enter)}), 0);
    EXPECT_EQ(shell.frame(0.02f), 1);
}

TEST(FrameLoop, ClosingInACatchUpFrameStillFinishesItsSteps) {
    Shell shell;
    shell.frame(0.0f, {keyPress(sf::Keyboard::Enter)});
    const sf::Event escape = keyPress(sf::Keyboard::Escape);
    EXPECT_EQ(shell.frame(0.21f, {ofType(sf::Event::Closed), escape, escape}), 12);
    EXPECT_EQ(shell.devices.closes, 1);
    // Nothing after the close reached the shell.
    EXPECT_EQ(shell.devices.events.size(), 2u);
    EXPECT_EQ(shell.loop.controls.state, GameState::Playing);
}

TEST(FrameLoop, UnpluggingThePadHandsSteeringToTheMouseOnceItMoves) {
    Shell shell;
    shell.devices.pad = stickAt(0.0f, 80.0f);
    shell.frame(0.0f, {keyPress(sf::Keyboard::Enter)});
    ASSERT_EQ(shell.frame(StepSeconds), 1);
    const Snake& player = shell.world.player();
    EXPECT_TRUE(shell.loop.controls.gamepadActive);
    EXPECT_FALSE(shell.devices.cursorShown);
    EXPECT_FLOAT_EQ(player.targetHeading, Pi / 2.0f);

    // Unplugged: the stick's reading vanishes and the heading holds; a
    // small mouse move does not count.
    shell.devices.pad = GamepadReading();
    shell.devices.mouse = {643, 357};
    shell.frame(StepSeconds);
    EXPECT_EQ(shell.loop.controls.stick, sf::Vector2f(0.0f, 0.0f));
    EXPECT_TRUE(shell.loop.controls.gamepadActive);
    EXPECT_FLOAT_EQ(player.targetHeading, Pi / 2.0f);

    // A real move hands control to the mouse: the cursor shows and the
    // snake turns toward the pointer, here to the left of the centre.
    shell.devices.mouse = {440, 360};
    EXPECT_EQ(shell.frame(StepSeconds), 1);
    EXPECT_FALSE(shell.loop.controls.gamepadActive);
    EXPECT_TRUE(shell.devices.cursorShown);
    EXPECT_FLOAT_EQ(player.targetHeading, Pi);
}
