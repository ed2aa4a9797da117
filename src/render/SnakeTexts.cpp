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
    sf::Text& text = texts[snake.id].nameText;
    (pieces << snake.name).writeTo(text);
    return text;
}

sf::Text& SnakeTexts::rankText(const Snake& snake, std::size_t place) {
    sf::Text& text = texts[snake.id].rankText;
    (pieces << static_cast<int>(place) << ". " << snake.name).writeTo(text);
    return text;
}

void SnakeTexts::followRanking(const World& world) {
    if (world.rankingRefreshes == seenRefreshes) return;
    seenRefreshes = world.rankingRefreshes;
    for (const Snake* snake : world.ranking)
        (pieces << static_cast<int>(snake->shownScore)).writeTo(texts[snake->id].scoreText);
}
