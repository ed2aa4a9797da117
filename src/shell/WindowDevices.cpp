#include "shell/WindowDevices.h"

#include "shell/Controls.h"
#include "shell/WindowIcon.h"

#include <SFML/Window/Joystick.hpp>
#include <SFML/Window/Mouse.hpp>

WindowDevices::WindowDevices(sf::RenderWindow& window, Desktop& desktop, const sf::Clock& gameClock)
    : window(window), desktop(desktop), gameClock(gameClock) {}

bool WindowDevices::pollEvent(sf::Event& event) {
    desktop.passMessages();
    return window.pollEvent(event);
}

sf::Vector2i WindowDevices::mousePosition() {
    return sf::Mouse::getPosition(window);
}

bool WindowDevices::leftButtonHeld() {
    return sf::Mouse::isButtonPressed(sf::Mouse::Left);
}

GamepadReading WindowDevices::gamepad() {
    return readGamepad();
}

bool WindowDevices::gamepadButtonHeld(unsigned int button) {
    return sf::Joystick::isButtonPressed(0, button);
}

sf::Vector2u WindowDevices::windowSize() {
    return window.getSize();
}

float WindowDevices::gameSeconds() {
    return gameClock.getElapsedTime().asSeconds();
}

void WindowDevices::closeWindow() {
    window.close();
}

void WindowDevices::recreateWindow(const Controls& controls) {
    desktop.openWindow(window, controls.fullscreen);
    setWindowIcon(window);
    window.setVerticalSyncEnabled(true);
    window.setMouseCursorVisible(controls.cursorVisible);
    cursorShown = controls.cursorVisible;
}

void WindowDevices::showCursor(bool visible) {
    if (visible == cursorShown) return;
    window.setMouseCursorVisible(visible);
    cursorShown = visible;
}
