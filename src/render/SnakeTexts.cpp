#include "render/SnakeTexts.h"

void SnakeTexts::setupTexts(const sf::Font& font) {
    for (SnakeText& text : texts) {
        text.nameText.setFont(font);
        text.nameText.setCharacterSize(64);
        text.nameText.setOutlineThickness(1.8f);
        text.nameText.setOutlineColor(sf::Color::Black);
        text.rankText.setFont(font);
        text.rankText.setCharacterSize(18);
        text.scoreText.setFont(font);
        text.scoreText.setCharacterSize(18);
    }
}

sf::Text& SnakeTexts::nameText(const Snake& snake) {
    SnakeText& text = texts[snake.id];
    if (text.labelName != snake.name) {
        text.labelName = snake.name;
        text.nameText.setString(snake.name);
    }
    return text.nameText;
}

sf::Text& SnakeTexts::scoreText(const Snake& snake) {
    SnakeText& text = texts[snake.id];
    if (text.writtenScore != snake.shownScore) {
        text.writtenScore = snake.shownScore;
        text.scoreText.setString(std::to_string(static_cast<int>(snake.shownScore)));
    }
    return text.scoreText;
}
