#pragma once

#include <SFML/Graphics/Font.hpp>

// Loads a face that covers Japanese, else a Latin sans face. Without either
// the font stays empty and every text is invisible; the game goes on.
void loadGameFont(sf::Font& font);
