#include "shell/WindowIcon.h"

#include <SFML/Graphics/Image.hpp>

namespace {

sf::Image decodeIcon() {
    sf::Image icon;
    icon.loadFromMemory(WindowIconPng, WindowIconPngSize);
    return icon;
}

}  // namespace

void setWindowIcon(sf::Window& window) {
    // Decoded once: F11 recreates the window, and every new one needs it.
    static const sf::Image icon = decodeIcon();
    const sf::Vector2u size = icon.getSize();
    if (size.x > 0 && size.y > 0) window.setIcon(size.x, size.y, icon.getPixelsPtr());
}
