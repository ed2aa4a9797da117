#pragma once

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Text.hpp>

// Whether a font was loaded from a file: an empty one has no face to draw.
bool hasFace(const sf::Font& font);

// Draws a text only when its font has a face: without one the library still
// draws a tiny padded quad for every text, and a missing font must leave
// every text invisible.
void drawText(sf::RenderTarget& target, const sf::Text& text,
              const sf::RenderStates& states = sf::RenderStates::Default);
