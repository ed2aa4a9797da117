#pragma once

#include "shell/GamepadReading.h"

#include <SFML/System/Vector2.hpp>
#include <SFML/Window/Event.hpp>

struct Controls;

// The window and the devices as the frame loop reads and drives them. The
// game's window stands behind it in play; tests and the input fuzzer put
// their own devices there.
class ShellDevices {
public:
    virtual bool pollEvent(sf::Event& event) = 0;
    virtual sf::Vector2i mousePosition() = 0;  // relative to the window
    virtual bool leftButtonHeld() = 0;
    virtual GamepadReading gamepad() = 0;
    virtual bool gamepadButtonHeld(unsigned int button) = 0;
    virtual sf::Vector2u windowSize() = 0;
    // The game clock, read at the start of every fixed step.
    virtual float gameSeconds() = 0;
    virtual void closeWindow() = 0;
    // In the mode and with the cursor that the controls name.
    virtual void recreateWindow(const Controls& controls) = 0;
    virtual void showCursor(bool visible) = 0;

protected:
    ~ShellDevices() = default;
};
