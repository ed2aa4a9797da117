#pragma once

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderTarget.hpp>

// The player's score in cyan at the top left and the run's best in gold,
// right-aligned at the top right. Window pixels.
void drawScore(sf::RenderTarget& target, const sf::Font& font, int score, int highScore);
