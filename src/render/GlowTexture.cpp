#include "render/GlowTexture.h"

#include <SFML/Graphics/CircleShape.hpp>
#include <SFML/Graphics/RenderTexture.hpp>

namespace {

void drawDisc(sf::RenderTexture& canvas, float radius, sf::Uint8 alpha) {
    sf::CircleShape disc(radius, 30);
    disc.setOrigin(radius, radius);
    disc.setPosition(64.0f, 64.0f);
    disc.setFillColor(sf::Color(255, 255, 255, alpha));
    canvas.draw(disc);
}

}  // namespace

void buildGlowTexture(sf::Texture& glowTexture) {
    sf::RenderTexture canvas;
    canvas.create(128, 128);
    canvas.clear(sf::Color::Transparent);
    for (int i = 0; i < 40; ++i) {
        const float radius = (1.0f - static_cast<float>(i) / 40.0f) * 64.0f;
        const float alpha = static_cast<float>(40 - i) * 0.45f + 2.5f;
        drawDisc(canvas, radius, static_cast<sf::Uint8>(alpha));
    }
    drawDisc(canvas, 16.0f, 240);
    canvas.display();
    glowTexture = canvas.getTexture();
}
