#pragma once

// Gamepad 0 as read once per frame; every axis runs from -100 to 100 and
// reads 0 while no gamepad is connected.
struct GamepadReading {
    bool connected = false;
    float x = 0.0f;
    float y = 0.0f;
    float povX = 0.0f;
    float povY = 0.0f;
};

GamepadReading readGamepad();
