#include "render/RankingBoard.h"

#include "render/TextDrawing.h"

namespace {
const float PanelWidth = 320.0f;
}

void RankingBoard::setup(const sf::Font& font) {
    panel.setSize(sf::Vector2f(PanelWidth, 350.0f));
    panel.setFillColor(sf::Color(20, 20, 30, 180));
    panel.setOutlineThickness(2.0f);
    panel.setOutlineColor(sf::Color(100, 100, 150, 200));
    title = sf::Text("RANKING", font, 24);
    title.setStyle(sf::Text::Bold);
    title.setFillColor(sf::Color::Yellow);
}

void RankingBoard::draw(sf::RenderTarget& target, const World& world, SnakeTexts& texts) {
    texts.followRanking(world);
    const float width = static_cast<float>(target.getSize().x);
    const sf::Vector2f corner(width - PanelWidth - 25.0f, 125.0f);
    panel.setPosition(corner);
    target.draw(panel);
    title.setPosition(corner.x + 80.0f, corner.y + 10.0f);
    drawText(target, title);
    for (std::size_t i = 0; i < 10 && i < world.ranking.size(); ++i) drawRow(target, *world.ranking[i], i, corner, texts);
}

void RankingBoard::drawRow(sf::RenderTarget& target, const Snake& snake, std::size_t place, sf::Vector2f corner,
                           SnakeTexts& texts) {
    const float y = corner.y + 55.0f + 27.0f * static_cast<float>(place);
    sf::Text& rank = texts.rankText(snake, place + 1);
    rank.setFillColor(snake.color);
    rank.setPosition(corner.x + 15.0f, y);
    drawText(target, rank);

    sf::Text& score = texts.scoreText(snake);
    score.setPosition(corner.x + PanelWidth - score.getLocalBounds().width - 15.0f, y);
    drawText(target, score);
}
