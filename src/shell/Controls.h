#pragma once

#include "shell/GamepadReading.h"

#include <SFML/System/Vector2.hpp>
#include <SFML/Window/Event.hpp>

#include <cstddef>
#include <string>

enum class GameState { Boot, Playing };

constexpr int PaletteSize = 18;
constexpr std::size_t MaxNameLength = 12;
// Colour steps: the palette is two rows of nine.
constexpr int PreviousColor = PaletteSize - 1;
constexpr int NextColor = 1;
constexpr int OtherRowColor = PaletteSize / 2;

// What the window's events and the input-mode check change in the shell.
// The Game carries the effects over to the window and the world.
struct Controls {
    GameState state = GameState::Boot;
    bool fullscreen = true;
    bool gamepadActive = false;
    bool cursorVisible = true;
    sf::Vector2i lastMousePosition;
    sf::Vector2f stick;  // (0, 0) inside the dead zone
};

// What one event asks the Game to do beyond changing the Controls.
struct EventRequests {
    bool close = false;
    bool startPlay = false;  // hand the name and colour to the player's snake
    bool recreateWindow = false;  // in the mode `fullscreen` now names
};

// The name and colour being chosen on the title screen.
struct NameAndColor {
    std::wstring& name;
    int& colorIndex;
};

// Handles one window event. pointerOnSwatch tells whether the mouse, read
// as the event is handled, is over a colour swatch.
EventRequests handleEvent(const sf::Event& event, bool pointerOnSwatch, Controls& controls, NameAndColor choice);

// Once per frame after the events: the stick beyond its dead zone takes
// over; otherwise a mouse move of more than 5 pixels hands control back.
void updateInputMode(Controls& controls, const GamepadReading& pad, sf::Vector2i mouse);

// One typed character: backspace erases, printable characters append up to
// MaxNameLength, control characters are ignored.
void editName(std::wstring& name, sf::Uint32 character);

// Whether a typed character may enter the name where wchar_t has wcharBits.
bool isNameCharacter(sf::Uint32 character, std::size_t wcharBits);

int stepColor(int colorIndex, int step);
