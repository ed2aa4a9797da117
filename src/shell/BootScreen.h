#pragma once

#include "render/BootScreenDrawing.h"
#include "shell/GamepadReading.h"

#include <SFML/Graphics/CircleShape.hpp>
#include <SFML/Graphics/Color.hpp>
#include <SFML/System/Vector2.hpp>

#include <string>
#include <vector>

// The devices as the title screen reads them once per frame.
struct BootInput {
    sf::Vector2u windowSize;
    sf::Vector2f mouse;  // relative to the window
    bool leftButton = false;
    GamepadReading gamepad;
};

// The title screen: the name being typed and the colour being chosen. The
// window's events edit `name` and `colorIndex`; update picks colours with
// the mouse over the swatches and with the gamepad. BootScreenDrawing
// shows it.
class BootScreen {
public:
    BootScreen();

    // Once per title frame, before drawing; dt in seconds.
    void update(const BootInput& input, float dt);
    bool swatchContains(sf::Vector2f point) const;
    sf::Color chosenColor() const;
    BootScreenLook look() const;

    // Shapes in window pixels: where the pointer hits them depends on how
    // the update placed and scaled them.
    std::vector<sf::CircleShape> swatches;
    int colorIndex = 0;
    std::wstring name = L"あなた";
    std::vector<sf::Color> palette;
    float time = 0.0f;
    bool stickLatched = false;  // a push was used; the pad has not come back to rest
};

// The window-free steps of the update.
void updateSwatches(std::vector<sf::CircleShape>& swatches, int& colorIndex, const BootInput& input, float time);
void chooseColorWithGamepad(const GamepadReading& pad, int& colorIndex, bool& stickLatched);
