#include "render/ScoreDisplay.h"

#include "render/TextDrawing.h"

#include <SFML/Graphics/Text.hpp>

#include <string>

void drawScore(sf::RenderTarget& target, const sf::Font& font, int score, int highScore) {
    sf::Text text("", font, 42);
    text.setStyle(sf::Text::Bold);
    text.setOutlineThickness(2.0f);
    text.setOutlineColor(sf::Color::Black);
    const float width = static_cast<float>(target.getSize().x);

    text.setString("SCORE: " + std::to_string(score));
    text.setFillColor(sf::Color::Cyan);
    text.setPosition(30.0f, 30.0f);
    drawText(target, text);

    text.setString("HIGH SCORE: " + std::to_string(highScore));
    text.setFillColor(sf::Color(255, 215, 0, 255));
    text.setPosition(width - text.getLocalBounds().width - 30.0f, 30.0f);
    drawText(target, text);
}
