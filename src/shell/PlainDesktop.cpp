#include "shell/Desktop.h"

// Where the windowing library knows the monitors itself: its desktop mode is
// the primary monitor's, and it centres a new window on that monitor.
struct Desktop::System {};

Desktop::Desktop() = default;
Desktop::~Desktop() = default;

void Desktop::passMessages() {}

void Desktop::openWindow(sf::RenderWindow& window, bool fullscreen) {
    if (fullscreen)
        window.create(sf::VideoMode::getDesktopMode(), WindowTitle, sf::Style::Fullscreen);
    else
        window.create(sf::VideoMode(1280, 720, 32), WindowTitle, sf::Style::Default);
}
