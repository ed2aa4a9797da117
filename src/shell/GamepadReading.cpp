#include "shell/GamepadReading.h"

#include <SFML/Window/Joystick.hpp>

GamepadReading readGamepad() {
    GamepadReading pad;
    pad.connected = sf::Joystick::isConnected(0);
    if (!pad.connected) return pad;
    pad.x = sf::Joystick::getAxisPosition(0, sf::Joystick::X);
    pad.y = sf::Joystick::getAxisPosition(0, sf::Joystick::Y);
    pad.povX = sf::Joystick::getAxisPosition(0, sf::Joystick::PovX);
    pad.povY = sf::Joystick::getAxisPosition(0, sf::Joystick::PovY);
    return pad;
}
