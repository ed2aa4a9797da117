#pragma once

#include "sim/Snake.h"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Text.hpp>

#include <array>
#include <string>

// The texts that belong to one snake id: its label over the head and its
// row on the ranking board. The world keeps none, being window-free.
struct SnakeText {
    sf::Text nameText;
    sf::Text rankText;
    sf::Text scoreText;
    std::wstring labelName;  // the name nameText was last given
    float writtenScore = -1.0f;  // the score scoreText was last given
};

class SnakeTexts {
public:
    // Font and sizes for every id: labels 64 px with a black outline,
    // board rows 18 px.
    void setupTexts(const sf::Font& font);

    // The label, following the snake's name (it changes on a bot's respawn).
    sf::Text& nameText(const Snake& snake);
    // The board's score, rewritten only when the published score changed.
    sf::Text& scoreText(const Snake& snake);
    sf::Text& rankText(const Snake& snake) { return texts[snake.id].rankText; }

private:
    std::array<SnakeText, MaxSnakes> texts;
};
