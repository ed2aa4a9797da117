#pragma once

#include "render/TextString.h"
#include "sim/Snake.h"
#include "sim/World.h"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Text.hpp>

#include <array>
#include <cstddef>

// The texts that belong to one snake id: its label over the head and its
// row on the ranking board. The world keeps none, being window-free.
struct SnakeText {
    sf::Text nameText;
    sf::Text rankText;
    sf::Text scoreText;
};

class SnakeTexts {
public:
    // Font and sizes for every id: labels 64 px with a black outline,
    // board rows 18 px.
    void setupTexts(const sf::Font& font);

    // The label, following the snake's name (it changes on a bot's respawn).
    sf::Text& nameText(const Snake& snake);
    // "place. name" for a board row.
    sf::Text& rankText(const Snake& snake, std::size_t place);
    sf::Text& scoreText(const Snake& snake) { return texts[snake.id].scoreText; }
    // Only a ranking refresh writes the board's scores: when the world has
    // refreshed since the last call, each ranked snake's score text takes
    // the score published then.
    void followRanking(const World& world);

private:
    std::array<SnakeText, MaxSnakes> texts;
    TextString pieces;
    unsigned seenRefreshes = 0;
};
