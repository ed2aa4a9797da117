#pragma once

#include "render/SnakeTexts.h"
#include "sim/Snake.h"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderTarget.hpp>

#include <vector>

// The translucent board at the right: the title and up to ten rows of
// place, name (in the snake's colour) and right-aligned score, in the order
// of the last refresh. Window pixels.
void drawRanking(sf::RenderTarget& target, const sf::Font& font, const std::vector<const Snake*>& ranking,
                 SnakeTexts& texts);
