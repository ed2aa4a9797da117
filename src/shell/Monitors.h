#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <SFML/System/Vector2.hpp>

#include <vector>

// One monitor of the desktop, in the pixels of the whole screen.
struct Monitor {
    sf::IntRect area;
    bool primary = false;
};

// The monitor the game starts on: the primary one, else the first.
sf::IntRect primaryMonitor(const std::vector<Monitor>& monitors);

// The monitor that holds most of the window (the first of equals), else the
// primary one: after F11 the game stays where the player put its window.
sf::IntRect monitorHoldingMost(const std::vector<Monitor>& monitors, const sf::IntRect& window);

// Where a window of that size goes on the monitor: centred, and where the
// monitor is too small, at its top left, so the title bar stays on it.
sf::Vector2i centredOn(const sf::IntRect& monitor, sf::Vector2i size);
