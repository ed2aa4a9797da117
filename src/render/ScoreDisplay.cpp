#include "render/ScoreDisplay.h"

#include "render/TextDrawing.h"

namespace {

sf::Text scoreText(const sf::Font& font, sf::Color fill) {
    sf::Text text("", font, 42);
    text.setStyle(sf::Text::Bold);
    text.setOutlineThickness(2.0f);
    text.setOutlineColor(sf::Color::Black);
    text.setFillColor(fill);
    return text;
}

}  // namespace

void ScoreDisplay::setup(const sf::Font& font) {
    scoreLine = scoreText(font, sf::Color::Cyan);
    highScoreLine = scoreText(font, sf::Color(255, 215, 0, 255));
    scoreLine.setPosition(30.0f, 30.0f);
}

void ScoreDisplay::draw(sf::RenderTarget& target, int score, int highScore) {
    (pieces << "SCORE: " << score).writeTo(scoreLine);
    (pieces << "HIGH SCORE: " << highScore).writeTo(highScoreLine);
    drawText(target, scoreLine);
    const float width = static_cast<float>(target.getSize().x);
    highScoreLine.setPosition(width - highScoreLine.getLocalBounds().width - 30.0f, 30.0f);
    drawText(target, highScoreLine);
}

int raisedHighScore(int highScore, const Snake& player) {
    return player.alive && player.score() > highScore ? player.score() : highScore;
}
