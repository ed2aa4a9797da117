#pragma once

#include "shell/GamepadReading.h"

#include <SFML/Window/Event.hpp>

// Window events and gamepad readings as the shell receives them.

inline sf::Event ofType(sf::Event::EventType type) {
    sf::Event event{};
    event.type = type;
    return event;
}

inline sf::Event keyPress(sf::Keyboard::Key key) {
    sf::Event event = ofType(sf::Event::KeyPressed);
    event.key.code = key;
    return event;
}

inline sf::Event typed(sf::Uint32 character) {
    sf::Event event = ofType(sf::Event::TextEntered);
    event.text.unicode = character;
    return event;
}

inline sf::Event mousePress(sf::Mouse::Button button) {
    sf::Event event = ofType(sf::Event::MouseButtonPressed);
    event.mouseButton.button = button;
    return event;
}

inline sf::Event padPress(unsigned int button) {
    sf::Event event = ofType(sf::Event::JoystickButtonPressed);
    event.joystickButton.button = button;
    return event;
}

inline GamepadReading stickAt(float x, float y, float povX = 0.0f, float povY = 0.0f) {
    return {true, x, y, povX, povY};
}
