#include "render/RankingBoard.h"

#include "render/TextDrawing.h"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/Text.hpp>

#include <string>

namespace {

const float PanelWidth = 320.0f;

void drawPanel(sf::RenderTarget& target, const sf::Font& font, sf::Vector2f corner) {
    sf::RectangleShape panel(sf::Vector2f(PanelWidth, 350.0f));
    panel.setPosition(corner);
    panel.setFillColor(sf::Color(20, 20, 30, 180));
    panel.setOutlineThickness(2.0f);
    panel.setOutlineColor(sf::Color(100, 100, 150, 200));
    target.draw(panel);

    sf::Text title("RANKING", font, 24);
    title.setStyle(sf::Text::Bold);
    title.setFillColor(sf::Color::Yellow);
    title.setPosition(corner.x + 80.0f, corner.y + 10.0f);
    drawText(target, title);
}

void drawRow(sf::RenderTarget& target, const Snake& snake, std::size_t place, sf::Vector2f corner,
             SnakeTexts& texts) {
    const float y = corner.y + 55.0f + 27.0f * static_cast<float>(place);
    sf::Text& rank = texts.rankText(snake);
    rank.setString(std::to_wstring(place + 1) + L". " + snake.name);
    rank.setFillColor(snake.color);
    rank.setPosition(corner.x + 15.0f, y);
    drawText(target, rank);

    sf::Text& score = texts.scoreText(snake);
    score.setPosition(corner.x + PanelWidth - score.getLocalBounds().width - 15.0f, y);
    drawText(target, score);
}

}  // namespace

void drawRanking(sf::RenderTarget& target, const sf::Font& font, const std::vector<const Snake*>& ranking,
                 SnakeTexts& texts) {
    const float width = static_cast<float>(target.getSize().x);
    const sf::Vector2f corner(width - PanelWidth - 25.0f, 125.0f);
    drawPanel(target, font, corner);
    for (std::size_t i = 0; i < 10 && i < ranking.size(); ++i) drawRow(target, *ranking[i], i, corner, texts);
}
