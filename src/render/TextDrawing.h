#pragma once

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Text.hpp>

// Draws a text only when its font has a face: without one the library still
// draws a tiny padded quad for every text, and a missing font must leave
// every text invisible.
void drawText(sf::RenderTarget& target, const sf::Text& text,
              const sf::RenderStates& states = sf::RenderStates::Default);
