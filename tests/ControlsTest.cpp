#include "shell/Controls.h"

#include "InputEvents.h"

#include <gtest/gtest.h>

namespace {

// The shell and the title screen's choice, driven one event at a time.
struct Shell {
    EventRequests send(const sf::Event& event, bool pointerOnSwatch = false) {
        return handleEvent(event, pointerOnSwatch, controls, {name, colorIndex});
    }
    void type(const std::wstring& text) {
        for (wchar_t c : text) send(typed(static_cast<sf::Uint32>(c)));
    }
    Controls controls;
    std::wstring name = L"あなた";
    int colorIndex = 0;
};


}  // namespace

TEST(Controls, EnterStartsPlayOnceAndEscapeLeavesPlayWithoutQuitting) {
    Shell shell;
    EventRequests requests = shell.send(keyPress(sf::Keyboard::Enter));
    EXPECT_TRUE(requests.startPlay);
    EXPECT_FALSE(requests.close);
    EXPECT_EQ(shell.controls.state, GameState::Playing);
    EXPECT_FALSE(shell.controls.cursorVisible);

    // A second Enter is not a key of play.
    requests = shell.send(keyPress(sf::Keyboard::Enter));
    EXPECT_FALSE(requests.startPlay);
    EXPECT_EQ(shell.controls.state, GameState::Playing);

    requests = shell.send(keyPress(sf::Keyboard::Escape));
    EXPECT_FALSE(requests.close);
    EXPECT_EQ(shell.controls.state, GameState::Boot);
    EXPECT_FALSE(shell.controls.cursorVisible);  // until the mouse moves

    requests = shell.send(keyPress(sf::Keyboard::Escape));
    EXPECT_TRUE(requests.close);
    EXPECT_EQ(shell.controls.state, GameState::Boot);
}

TEST(Controls, StartingPlayNeedsANameAndKeepsTheCursorForTheGamepad) {
    Shell shell;
    shell.type(L"\b\b\b\b");
    EXPECT_EQ(shell.name, L"");
    EXPECT_FALSE(shell.send(keyPress(sf::Keyboard::Enter)).startPlay);
    EXPECT_FALSE(shell.send(mousePress(sf::Mouse::Left)).startPlay);
    EXPECT_FALSE(shell.send(padPress(0)).startPlay);
    EXPECT_EQ(shell.controls.state, GameState::Boot);
    EXPECT_FALSE(shell.controls.cursorVisible);  // the pad button hides it all the same

    shell.type(L"K");
    shell.controls.cursorVisible = true;
    shell.controls.gamepadActive = true;
    EXPECT_TRUE(shell.send(keyPress(sf::Keyboard::Enter)).startPlay);
    EXPECT_TRUE(shell.controls.cursorVisible);
}

TEST(Controls, ClicksAndPadButtonsStartPlayOffTheSwatches) {
    Shell shell;
    EXPECT_FALSE(shell.send(mousePress(sf::Mouse::Left), true).startPlay);
    EXPECT_FALSE(shell.send(mousePress(sf::Mouse::Right)).startPlay);
    EXPECT_FALSE(shell.send(padPress(2)).startPlay);
    EXPECT_TRUE(shell.controls.cursorVisible);
    EXPECT_EQ(shell.controls.state, GameState::Boot);

    EXPECT_TRUE(shell.send(mousePress(sf::Mouse::Left)).startPlay);
    // During play clicks and pad buttons boost; they start nothing.
    EXPECT_FALSE(shell.send(mousePress(sf::Mouse::Left)).startPlay);
    EXPECT_FALSE(shell.send(padPress(1)).startPlay);

    Shell pad;
    EXPECT_TRUE(pad.send(padPress(1)).startPlay);
    EXPECT_FALSE(pad.controls.cursorVisible);
}

TEST(Controls, ArrowKeysStepTheColourAndWrap) {
    Shell shell;
    shell.send(keyPress(sf::Keyboard::Left));
    EXPECT_EQ(shell.colorIndex, 17);
    shell.send(keyPress(sf::Keyboard::Right));
    EXPECT_EQ(shell.colorIndex, 0);
    shell.colorIndex = 3;
    shell.send(keyPress(sf::Keyboard::Down));
    EXPECT_EQ(shell.colorIndex, 12);
    shell.send(keyPress(sf::Keyboard::Up));
    EXPECT_EQ(shell.colorIndex, 3);
    shell.colorIndex = 17;
    shell.send(keyPress(sf::Keyboard::Up));
    EXPECT_EQ(shell.colorIndex, 8);

    // Neither arrows nor typing touch the choice during play.
    shell.send(keyPress(sf::Keyboard::Enter));
    shell.send(keyPress(sf::Keyboard::Right));
    shell.type(L"x\b\b");
    EXPECT_EQ(shell.colorIndex, 8);
    EXPECT_EQ(shell.name, L"あなた");
}

TEST(Controls, F11TogglesTheWindowInBothStatesAndOtherEventsDoNothing) {
    Shell shell;
    EventRequests requests = shell.send(keyPress(sf::Keyboard::F11));
    EXPECT_TRUE(requests.recreateWindow);
    EXPECT_FALSE(shell.controls.fullscreen);
    EXPECT_TRUE(shell.controls.cursorVisible);

    shell.send(keyPress(sf::Keyboard::Enter));
    ASSERT_FALSE(shell.controls.cursorVisible);
    EXPECT_TRUE(shell.send(keyPress(sf::Keyboard::F11)).recreateWindow);
    EXPECT_TRUE(shell.controls.fullscreen);
    EXPECT_FALSE(shell.controls.cursorVisible);  // fullscreen play hides it
    shell.send(keyPress(sf::Keyboard::F11));
    EXPECT_TRUE(shell.controls.cursorVisible);  // a new window shows it

    const Controls before = shell.controls;
    for (auto type : {sf::Event::KeyReleased, sf::Event::MouseMoved, sf::Event::Resized, sf::Event::LostFocus,
                      sf::Event::JoystickMoved}) {
        requests = shell.send(ofType(type));
        EXPECT_FALSE(requests.close || requests.startPlay || requests.recreateWindow);
    }
    EXPECT_EQ(shell.controls.state, before.state);
    EXPECT_EQ(shell.controls.fullscreen, before.fullscreen);
    EXPECT_TRUE(shell.send(ofType(sf::Event::Closed)).close);
}

TEST(Controls, NameEntryKeepsTwelvePrintableCharacters) {
    std::wstring name;
    editName(name, 8);
    EXPECT_EQ(name, L"");
    for (sf::Uint32 control : {9u, 10u, 13u, 27u, 31u, 127u, 0x80u, 0x9Fu}) editName(name, control);
    EXPECT_EQ(name, L"");

    editName(name, 0x1F40D);  // beyond U+FFFF: one whole character
    editName(name, 0xA0);
    editName(name, L'ß');
    editName(name, L' ');
    ASSERT_EQ(name.size(), 4u);
    EXPECT_EQ(static_cast<sf::Uint32>(name[0]), 0x1F40Du);

    for (wchar_t c : std::wstring(L"abcdefghij")) editName(name, static_cast<sf::Uint32>(c));
    EXPECT_EQ(name.size(), 12u);
    EXPECT_EQ(name.substr(4), L"abcdefgh");
    editName(name, 8);
    editName(name, L'Z');
    EXPECT_EQ(name.substr(4), L"abcdefgZ");
    while (!name.empty()) editName(name, 8);
    editName(name, 8);
    EXPECT_EQ(name, L"");
}

TEST(Controls, TheStickTakesOverBeyondItsDeadZone) {
    Controls controls;
    controls.state = GameState::Playing;
    controls.cursorVisible = false;
    updateInputMode(controls, stickAt(15.0f, -15.0f), {});
    EXPECT_FALSE(controls.gamepadActive);
    EXPECT_EQ(controls.stick, sf::Vector2f(0.0f, 0.0f));

    controls.cursorVisible = true;
    updateInputMode(controls, stickAt(3.0f, -15.5f), {});
    EXPECT_TRUE(controls.gamepadActive);
    EXPECT_FALSE(controls.cursorVisible);
    EXPECT_EQ(controls.stick, sf::Vector2f(3.0f, -15.5f));

    // While the stick is deflected the mouse is not looked at.
    updateInputMode(controls, stickAt(-80.0f, 0.0f), {300, 300});
    EXPECT_TRUE(controls.gamepadActive);
    EXPECT_EQ(controls.lastMousePosition, sf::Vector2i(0, 0));

    // Back at rest the stick reads (0, 0) and the gamepad keeps control.
    updateInputMode(controls, stickAt(10.0f, 10.0f), {});
    EXPECT_EQ(controls.stick, sf::Vector2f(0.0f, 0.0f));
    EXPECT_TRUE(controls.gamepadActive);

    GamepadReading unplugged = stickAt(0.0f, 0.0f);
    unplugged.connected = false;
    updateInputMode(controls, unplugged, {});
    EXPECT_TRUE(controls.gamepadActive);

    // On the title the stick takes over without hiding the cursor.
    Controls title;
    updateInputMode(title, stickAt(0.0f, 90.0f), {});
    EXPECT_TRUE(title.gamepadActive);
    EXPECT_TRUE(title.cursorVisible);
}

TEST(Controls, SlowMouseMovesAddUpUntilTheyPassFivePixels) {
    Controls controls;
    controls.gamepadActive = true;
    controls.cursorVisible = false;
    controls.lastMousePosition = {100, 100};
    const GamepadReading rest = stickAt(0.0f, 0.0f);

    for (sf::Vector2i mouse : {sf::Vector2i(103, 100), sf::Vector2i(105, 95), sf::Vector2i(95, 105)}) {
        updateInputMode(controls, rest, mouse);
        EXPECT_TRUE(controls.gamepadActive);
        EXPECT_FALSE(controls.cursorVisible);
    }
    updateInputMode(controls, rest, {100, 106});
    EXPECT_FALSE(controls.gamepadActive);
    EXPECT_TRUE(controls.cursorVisible);
    EXPECT_EQ(controls.lastMousePosition, sf::Vector2i(100, 106));

    // The next count starts from the position counted.
    controls.gamepadActive = true;
    updateInputMode(controls, rest, {96, 110});
    EXPECT_TRUE(controls.gamepadActive);
    updateInputMode(controls, rest, {94, 110});
    EXPECT_FALSE(controls.gamepadActive);
}
