#include "shell/Controls.h"

#include <climits>
#include <cmath>
#include <cstdlib>

namespace {

constexpr float StickDeadZone = 15.0f;
constexpr int MouseMoveThreshold = 5;

bool isKeyPress(const sf::Event& event, sf::Keyboard::Key key) {
    return event.type == sf::Event::KeyPressed && event.key.code == key;
}

// Play needs a name to give the snake.
void startPlay(Controls& controls, const std::wstring& name, EventRequests& requests) {
    if (name.empty()) return;
    requests.startPlay = true;
    controls.state = GameState::Playing;
    if (!controls.gamepadActive) controls.cursorVisible = false;
}

void toggleFullscreen(Controls& controls, EventRequests& requests) {
    controls.fullscreen = !controls.fullscreen;
    controls.cursorVisible = !controls.fullscreen || controls.state == GameState::Boot;
    requests.recreateWindow = true;
}

void handleBootKey(sf::Keyboard::Key key, Controls& controls, NameAndColor choice, EventRequests& requests) {
    switch (key) {
    case sf::Keyboard::Escape: requests.close = true; break;
    case sf::Keyboard::Left: choice.colorIndex = stepColor(choice.colorIndex, PreviousColor); break;
    case sf::Keyboard::Right: choice.colorIndex = stepColor(choice.colorIndex, NextColor); break;
    case sf::Keyboard::Up:
    case sf::Keyboard::Down: choice.colorIndex = stepColor(choice.colorIndex, OtherRowColor); break;
    case sf::Keyboard::Enter: startPlay(controls, choice.name, requests); break;
    default: break;
    }
}

void handleBootEvent(const sf::Event& event, bool pointerOnSwatch, Controls& controls, NameAndColor choice,
                     EventRequests& requests) {
    switch (event.type) {
    case sf::Event::TextEntered: editName(choice.name, event.text.unicode); break;
    case sf::Event::KeyPressed: handleBootKey(event.key.code, controls, choice, requests); break;
    case sf::Event::MouseButtonPressed:
        // A click on a swatch picks a colour in the title screen's update.
        if (event.mouseButton.button == sf::Mouse::Left && !pointerOnSwatch)
            startPlay(controls, choice.name, requests);
        break;
    case sf::Event::JoystickButtonPressed:
        if (event.joystickButton.button > 1) break;
        startPlay(controls, choice.name, requests);
        controls.cursorVisible = false;
        break;
    default: break;
    }
}

}  // namespace

EventRequests handleEvent(const sf::Event& event, bool pointerOnSwatch, Controls& controls, NameAndColor choice) {
    EventRequests requests;
    if (event.type == sf::Event::Closed) {
        requests.close = true;
        return requests;
    }
    // The title's keys only for an event that found the title; the keys of
    // play then see the state those left. So an Escape that leaves play does
    // not also quit, and an Enter that starts play counts only once.
    if (controls.state == GameState::Boot) handleBootEvent(event, pointerOnSwatch, controls, choice, requests);
    if (controls.state == GameState::Playing && isKeyPress(event, sf::Keyboard::Escape))
        controls.state = GameState::Boot;
    if (isKeyPress(event, sf::Keyboard::F11)) toggleFullscreen(controls, requests);
    return requests;
}

void updateInputMode(Controls& controls, const GamepadReading& pad, sf::Vector2i mouse) {
    if (pad.connected && (std::abs(pad.x) > StickDeadZone || std::abs(pad.y) > StickDeadZone)) {
        controls.stick = sf::Vector2f(pad.x, pad.y);
        if (!controls.gamepadActive) {
            controls.gamepadActive = true;
            if (controls.state == GameState::Playing) controls.cursorVisible = false;
        }
        return;
    }
    controls.stick = sf::Vector2f(0.0f, 0.0f);
    // Measured from the last counted position, so slow moves add up.
    const sf::Vector2i moved = mouse - controls.lastMousePosition;
    if (std::abs(moved.x) > MouseMoveThreshold || std::abs(moved.y) > MouseMoveThreshold) {
        controls.gamepadActive = false;
        controls.cursorVisible = true;
        controls.lastMousePosition = mouse;
    }
}

void editName(std::wstring& name, sf::Uint32 character) {
    if (character == 8) {
        if (!name.empty()) name.pop_back();
    } else if (isNameCharacter(character, CHAR_BIT * sizeof(wchar_t)) && name.size() < MaxNameLength) {
        name.push_back(static_cast<wchar_t>(character));
    }
}

// Control characters, DEL (X11 sends it for the Delete key) and the C1
// controls would enter the name invisibly. Surrogate halves and values past
// U+10FFFF are no characters at all. A 16-bit wchar_t holds no character
// past U+FFFF whole: cut to its low 16 bits it would be another one.
bool isNameCharacter(sf::Uint32 character, std::size_t wcharBits) {
    const sf::Uint32 last = wcharBits > 16 ? 0x10FFFF : 0xFFFF;
    return character >= 32 && character != 127 && !(character >= 0x80 && character <= 0x9F) &&
           !(character >= 0xD800 && character <= 0xDFFF) && character <= last;
}

int stepColor(int colorIndex, int step) {
    return (colorIndex + step) % PaletteSize;
}
