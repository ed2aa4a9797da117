#pragma once

#include <SFML/Window/Window.hpp>

#include <cstddef>

// The icon's PNG, compiled in by the build from packaging/icons/128.png, so
// the game reads no file for it.
extern const unsigned char WindowIconPng[];
extern const std::size_t WindowIconPngSize;

// Gives a newly created window the game's icon.
void setWindowIcon(sf::Window& window);
