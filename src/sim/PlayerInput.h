#pragma once

#include <SFML/System/Vector2.hpp>

// The person's input for one step, read from the devices by the shell.
struct PlayerInput {
    sf::Vector2f mouseOffset;  // pointer minus the window's centre, in pixels
    bool leftButton = false;
    bool button0 = false;  // gamepad 0
    bool button1 = false;
    sf::Vector2f stick;  // (0, 0) inside the dead zone
    bool useStick = false;
};
