#include "shell/Controls.h"

#include "InputEvents.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

// The shell and the title screen's choice, driven one event at a time.
struct Shell {
    EventRequests send(const sf::Event& event, bool pointerOnSwatch = false) {
        return handleEvent(event, pointerOnSwatch, controls, {name, colorIndex});
    }
    Controls controls;
    std::wstring name = L"あなた";
    int colorIndex = 0;
};

using K = sf::Keyboard;
constexpr GameState Boot = GameState::Boot, Playing = GameState::Playing;

}  // namespace

TEST(Controls, EventsMoveTheShellOnlyAlongItsTransitions) {
    // The event (and whether the pointer is on a swatch), what it asks of the game, then the state, colour, window
    // mode and cursor it leaves.
    const std::tuple<sf::Event, bool, std::string, GameState, int, bool, bool> script[] = {
        {keyPress(K::Left), false, "", Boot, 17, true, true},  // the palette wraps
        {keyPress(K::Right), false, "", Boot, 0, true, true},
        {keyPress(K::Down), false, "", Boot, 9, true, true},  // the other row of nine
        {keyPress(K::Up), false, "", Boot, 0, true, true},
        {mousePress(sf::Mouse::Left), true, "", Boot, 0, true, true},  // a swatch click picks, it does not start
        {mousePress(sf::Mouse::Right), false, "", Boot, 0, true, true},
        {padPress(2), false, "", Boot, 0, true, true},
        {ofType(sf::Event::MouseMoved), false, "", Boot, 0, true, true},
        {keyPress(K::F11), false, "window", Boot, 0, false, true},
        {keyPress(K::F11), false, "window", Boot, 0, true, true},  // the title keeps its cursor
        {keyPress(K::Enter), false, "start", Playing, 0, true, false},
        {keyPress(K::Enter), false, "", Playing, 0, true, false},  // counted once
        {keyPress(K::Right), false, "", Playing, 0, true, false},
        {mousePress(sf::Mouse::Left), false, "", Playing, 0, true, false},  // clicks and buttons boost in play
        {padPress(1), false, "", Playing, 0, true, false},
        {keyPress(K::F11), false, "window", Playing, 0, false, true},  // a window shows the cursor
        {keyPress(K::F11), false, "window", Playing, 0, true, false},  // fullscreen play hides it
        {keyPress(K::Escape), false, "", Boot, 0, true, false},        // back to the title without quitting
        {keyPress(K::Escape), false, "close", Boot, 0, true, false},
        {ofType(sf::Event::Closed), false, "close", Boot, 0, true, false},
    };
    Shell shell;
    int row = 0;
    for (const auto& [event, onSwatch, asks, state, color, fullscreen, cursor] : script) {
        SCOPED_TRACE(row++);
        const EventRequests requests = shell.send(event, onSwatch);
        EXPECT_EQ(std::make_tuple(requests.close, requests.startPlay, requests.recreateWindow),
                  std::make_tuple(asks == "close", asks == "start", asks == "window"));
        EXPECT_EQ(std::make_tuple(shell.controls.state, shell.colorIndex, shell.controls.fullscreen,
                                  shell.controls.cursorVisible),
                  std::make_tuple(state, color, fullscreen, cursor));
    }
}

TEST(Controls, PlayNeedsANameAndAPadButtonAlwaysHidesTheCursor) {
    Shell shell;
    for (int i = 0; i < 4; ++i) shell.send(typed(8));
    EXPECT_EQ(shell.name, L"");
    for (const sf::Event& start : {keyPress(K::Enter), mousePress(sf::Mouse::Left), padPress(0)})
        EXPECT_FALSE(shell.send(start).startPlay);
    EXPECT_EQ(shell.controls.state, Boot);
    EXPECT_FALSE(shell.controls.cursorVisible);
    // Starting with the gamepad in control keeps the cursor as it was.
    shell.send(typed(L'K'));
    shell.controls.cursorVisible = shell.controls.gamepadActive = true;
    EXPECT_TRUE(shell.send(keyPress(K::Enter)).startPlay);
    EXPECT_TRUE(shell.controls.cursorVisible);
}

TEST(Controls, TheStickTakesOverBeyondItsDeadZoneAndMouseMovesOfMoreThanFivePixelsGiveItBack) {
    Controls controls;
    controls.state = Playing;
    updateInputMode(controls, stickAt(15.0f, -15.0f), {});
    EXPECT_EQ(std::make_pair(controls.gamepadActive, controls.stick), std::make_pair(false, sf::Vector2f(0.0f, 0.0f)));
    updateInputMode(controls, stickAt(3.0f, -15.5f), {300, 300});  // the mouse is not looked at
    EXPECT_EQ(
        std::make_tuple(controls.gamepadActive, controls.cursorVisible, controls.stick, controls.lastMousePosition),
        std::make_tuple(true, false, sf::Vector2f(3.0f, -15.5f), sf::Vector2i(0, 0)));
    // Unplugged, the stick reads (0, 0); slow moves add up from the last counted position.
    const GamepadReading unplugged;
    for (sf::Vector2i mouse : {sf::Vector2i(3, 0), sf::Vector2i(5, -5), sf::Vector2i(-5, 5)}) {
        updateInputMode(controls, unplugged, mouse);
        EXPECT_EQ(std::make_pair(controls.gamepadActive, controls.stick),
                  std::make_pair(true, sf::Vector2f(0.0f, 0.0f)));
    }
    updateInputMode(controls, unplugged, {0, 6});
    EXPECT_EQ(std::make_tuple(controls.gamepadActive, controls.cursorVisible, controls.lastMousePosition),
              std::make_tuple(false, true, sf::Vector2i(0, 6)));
    Controls title;  // on the title the stick takes over without hiding the cursor
    updateInputMode(title, stickAt(0.0f, 90.0f), {});
    EXPECT_TRUE(title.gamepadActive && title.cursorVisible);
}

// A window system may hand over any 32-bit value as typed text; only printable characters enter the name, twelve at
// the most.
TEST(TypedCharacters, OnlyWholePrintableCharactersEnterTheNameUpToTwelveAndBackspaceErases) {
    std::wstring name;
    for (sf::Uint32 c :
         {8u, 9u, 10u, 13u, 27u, 31u, 127u, 0x80u, 0x9Fu, 0xD800u, 0xDBFFu, 0xDC00u, 0xDFFFu, 0x110000u, 0xFFFFFFFFu})
        editName(name, c);
    EXPECT_EQ(name, L"");
    for (sf::Uint32 c : {0x20u, 0xA0u, 0xDFu, 0xD7FFu, 0xE000u, 0xFFFDu, 0x1F40Du, 0x10FFFFu}) editName(name, c);
    ASSERT_EQ(name.size(), 8u);
    EXPECT_EQ(static_cast<sf::Uint32>(name[6]), 0x1F40Du);  // one whole character beyond U+FFFF
    for (wchar_t c : std::wstring(L"abcdef")) editName(name, static_cast<sf::Uint32>(c));
    EXPECT_EQ(name.substr(8), L"abcd");
    editName(name, 8);
    editName(name, L'Z');
    EXPECT_EQ(name.substr(8), L"abcZ");
    // A 16-bit wchar_t would keep only the low 16 bits of a character past U+FFFF, another character: there it is
    // refused, where 32 bits keep it.
    EXPECT_EQ(std::make_tuple(isNameCharacter(0xFFFD, 16), isNameCharacter(0x1F600, 16), isNameCharacter(0xDC00, 16)),
              std::make_tuple(true, false, false));
    EXPECT_EQ(std::make_pair(isNameCharacter(0x1F600, 32), isNameCharacter(0x110000, 32)), std::make_pair(true, false));
}
