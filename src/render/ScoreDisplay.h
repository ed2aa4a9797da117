#pragma once

#include "render/TextString.h"
#include "sim/Snake.h"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Text.hpp>

// The player's score in cyan at the top left and the run's best in gold,
// right-aligned at the top right. Window pixels.
class ScoreDisplay {
public:
    void setup(const sf::Font& font);
    void draw(sf::RenderTarget& target, int score, int highScore);

private:
    sf::Text scoreLine;
    sf::Text highScoreLine;
    TextString pieces;
};

// The run's best after this frame: a living player's score beyond it is the
// new record. Only drawn frames count.
int raisedHighScore(int highScore, const Snake& player);
