#pragma once

#include "render/SnakeTexts.h"
#include "sim/World.h"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Text.hpp>

// The translucent board at the right: the title and up to ten rows of
// place, name (in the snake's colour) and right-aligned score, in the order
// of the last refresh. Window pixels.
class RankingBoard {
public:
    void setup(const sf::Font& font);
    void draw(sf::RenderTarget& target, const World& world, SnakeTexts& texts);

private:
    void drawRow(sf::RenderTarget& target, const Snake& snake, std::size_t place, sf::Vector2f corner,
                 SnakeTexts& texts);

    sf::RectangleShape panel;
    sf::Text title;
};
