#include "shell/FrameLoop.h"

#include "shell/FixedStep.h"

#include "InputEvents.h"
#include "TestWorld.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <vector>

namespace {

// One arena, its title screen, the loop, and devices whose events and readings a test sets frame by frame; the steps
// are counted by the clock reads that open them.
struct Shell final : ShellDevices {
    // Runs one frame with these events; returns the steps it ran.
    int frame(float seconds, std::vector<sf::Event> frameEvents = {}) {
        events.assign(frameEvents.begin(), frameEvents.end());
        const int before = steps;
        loop.frame(seconds, bootScreen, *this);
        return steps - before;
    }
    sf::Vector2f botHead() const { return world.snakes[1]->points[0]; }

    bool pollEvent(sf::Event& event) override {
        if (closes > 0 || events.empty()) return false;
        event = events.front();
        events.pop_front();
        return true;
    }
    sf::Vector2i mousePosition() override { return mouse; }
    bool leftButtonHeld() override { return false; }
    GamepadReading gamepad() override { return pad; }
    bool gamepadButtonHeld(unsigned int button) override { return static_cast<int>(button) == heldButton; }
    sf::Vector2u windowSize() override { return {1280, 720}; }
    float gameSeconds() override { return static_cast<float>(++steps); }
    void closeWindow() override { ++closes; }
    void recreateWindow(const Controls&) override {}
    void showCursor(bool visible) override { cursorShown = visible; }

    World world = (std::srand(4), World());  // seeded before the world draws
    FrameLoop loop{world};
    BootScreen bootScreen;
    std::deque<sf::Event> events;
    sf::Vector2i mouse{640, 360};
    GamepadReading pad;
    int steps = 0, closes = 0, heldButton = -1;
    bool cursorShown = true;
};

}  // namespace

TEST(FrameLoop, TheTitleFreezesTheWorldAndDropsItsTimeAStallRunsFifteenStepsAndACloseLetsTheFrameFinish) {
    Shell shell;
    const sf::Vector2f frozen = shell.botHead();
    EXPECT_EQ(shell.frame(10.0f), 0);
    EXPECT_EQ(shell.frame(0.1f, {keyPress(sf::Keyboard::Right), keyPress(sf::Keyboard::Enter)}), 0);
    EXPECT_EQ(std::make_pair(shell.botHead(), shell.bootScreen.colorIndex), std::make_pair(frozen, 1));
    EXPECT_EQ(shell.world.player().color, shell.bootScreen.palette[1]);
    // From the empty accumulator play starts with, at 60 Hz no step is lost or doubled.
    for (int frame = 0; frame < 120; ++frame) ASSERT_EQ(shell.frame(StepSeconds), 1);
    EXPECT_EQ(shell.frame(0.11f), 6);
    EXPECT_EQ(shell.frame(10.0f), 15);
    // Escape ends play before the frame's steps; the title holds the world however long it stays.
    EXPECT_EQ(shell.frame(0.11f, {keyPress(sf::Keyboard::Escape)}), 0);
    const sf::Vector2f left = shell.botHead();
    EXPECT_EQ(shell.frame(10.0f), 0);
    EXPECT_EQ(shell.frame(0.02f, {keyPress(sf::Keyboard::Enter)}), 0);
    EXPECT_EQ(shell.botHead(), left);
    EXPECT_EQ(shell.frame(0.02f), 1);
    // A close in a catch-up frame: its steps still run, nothing after the close is read.
    const sf::Event escape = keyPress(sf::Keyboard::Escape);
    EXPECT_EQ(shell.frame(0.21f, {ofType(sf::Event::Closed), escape, escape}), 12);
    EXPECT_EQ(std::make_pair(shell.closes, shell.events.size()), std::make_pair(1, std::size_t{2}));
    EXPECT_EQ(shell.loop.controls.state, GameState::Playing);
}

TEST(FrameLoop, ThePadSteersAndBoostsWithEitherButtonAndUnpluggedHandsSteeringToTheMouseOnceItMoves) {
    Shell shell;
    shell.pad = stickAt(0.0f, 80.0f);
    shell.frame(0.0f, {keyPress(sf::Keyboard::Enter)});
    Snake& player = shell.world.player();
    player.mass = 300.0f;
    for (int button : {0, 1}) {  // either button boosts
        shell.heldButton = button;
        ASSERT_EQ(shell.frame(StepSeconds), 1);
        EXPECT_TRUE(player.boosting) << button;
    }
    EXPECT_EQ(std::make_pair(shell.cursorShown, player.targetHeading), std::make_pair(false, Pi / 2.0f));
    // Unplugged, a move of more than 5 pixels shows the cursor and steers toward the pointer, left of the centre.
    shell.pad = GamepadReading();
    shell.mouse = {440, 360};
    shell.frame(StepSeconds);
    EXPECT_EQ(std::make_pair(shell.cursorShown, player.targetHeading), std::make_pair(true, Pi));
}

TEST(FrameLoop, TheHighScoreTakesALivePlayersScoreAtEachDrawnFrameNeverFallsAndOutlastsTheTitle) {
    Shell shell;
    World& world = shell.world;
    Snake& player = world.player();
    const int& highScore = shell.loop.highScore;
    quieten(world);
    for (int i = 0; i < MinLivePellets; ++i) world.addPellet({0.0f, -3500.0f}, 4.0f, sf::Color::White, false);
    shell.frame(0.0f, {keyPress(sf::Keyboard::Enter)});
    // 6.3 a step toward the rim: a pellet of 9 is eaten in one frame; in the next, one of 4 (score 13) and then
    // death beyond 3800, so no drawn frame shows 13 on a live player.
    place(player, {3783.7f, 0.0f}, 0.0f, 80.0f);
    world.addPellet({3790.0f, 0.0f}, 9.0f, sf::Color::White, false);
    ASSERT_EQ(shell.frame(StepSeconds), 1);
    EXPECT_EQ(highScore, 9);
    world.addPellet({3796.0f, 0.0f}, 4.0f, sf::Color::White, false);
    ASSERT_EQ(shell.frame(0.04f), 2);
    EXPECT_EQ(std::make_tuple(player.alive, player.score(), highScore), std::make_tuple(false, 13, 9));
    while (!player.alive) {
        shell.frame(0.25f);
        EXPECT_EQ(highScore, 9);
    }
    EXPECT_EQ(player.score(), 0);
    shell.frame(0.0f, {keyPress(sf::Keyboard::Escape)});
    shell.frame(0.0f, {keyPress(sf::Keyboard::Enter)});
    EXPECT_EQ(highScore, 9);
}
