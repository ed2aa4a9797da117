#pragma once

#include <SFML/Graphics/RenderWindow.hpp>

#include <memory>

constexpr const char* WindowTitle = "Neonvine";

// The player's desktop, where the game's window goes: fullscreen on one
// monitor, or a 1280 x 720 window centred on one. The first window goes on
// the primary monitor; each later one on the monitor that holds most of the
// window it replaces. Holds the desktop's own resources behind the window,
// so it must outlive the window.
class Desktop {
public:
    Desktop();
    ~Desktop();
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    // Makes the window anew, titled, in the mode asked for.
    void openWindow(sf::RenderWindow& window, bool fullscreen);
    // Before the window's events are read: lets the window see what the
    // window manager sent to whoever made it (a close, a ping).
    void passMessages();

private:
    struct System;
    std::unique_ptr<System> system;
};
