#pragma once

#include "shell/Desktop.h"
#include "shell/ShellDevices.h"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/System/Clock.hpp>

// The real window, mouse, gamepad 0 and game clock behind the frame loop.
class WindowDevices final : public ShellDevices {
public:
    WindowDevices(sf::RenderWindow& window, Desktop& desktop, const sf::Clock& gameClock);

    bool pollEvent(sf::Event& event) override;
    sf::Vector2i mousePosition() override;
    bool leftButtonHeld() override;
    GamepadReading gamepad() override;
    bool gamepadButtonHeld(unsigned int button) override;
    sf::Vector2u windowSize() override;
    float gameSeconds() override;
    void closeWindow() override;
    void recreateWindow(const Controls& controls) override;
    void showCursor(bool visible) override;

private:
    sf::RenderWindow& window;
    Desktop& desktop;
    const sf::Clock& gameClock;
    bool cursorShown = true;  // as last set on the window
};
