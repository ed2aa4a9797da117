#include "render/Minimap.h"
#include "render/SnakeTexts.h"
#include "render/WorldView.h"

#include <gtest/gtest.h>

TEST(OverlayLayout, TheMinimapSitsBottomRightAndTheWorldViewShowsZoomPixelsAUnit) {
    const sf::Vector2f center = minimapCenter(sf::Vector2u(1280, 720));
    EXPECT_EQ(center, sf::Vector2f(1150.0f, 590.0f));
    EXPECT_EQ(minimapPoint(sf::Vector2f(3800.0f, -1900.0f), center), sf::Vector2f(1240.0f, 545.0f));
    const ViewBounds bounds(worldView(sf::Vector2f(100.0f, -50.0f), 2.5f, sf::Vector2u(1280, 720)));
    EXPECT_EQ(bounds.rect, sf::FloatRect(-156.0f, -194.0f, 512.0f, 288.0f));
    EXPECT_TRUE(bounds.near(sf::Vector2f(366.0f, 94.0f), 10.0f));  // edges count as in view
    EXPECT_FALSE(bounds.near(sf::Vector2f(366.5f, 0.0f), 10.0f));
}

TEST(SnakeTexts, BoardScoreFollowsThePublishedScoreAndTheLabelTheName) {
    std::vector<sf::Vector2f> pool(MaxSnakes * MaxPoints);
    Snake snake(3, pool.data(), L"Ayu", sf::Color::Green, true);
    SnakeTexts texts;
    snake.shownScore = 12.0f;
    snake.mass = 500.0f;  // the mass may change every step; the board follows shownScore alone
    EXPECT_EQ(texts.scoreText(snake).getString(), "12");
    snake.shownScore = 420.0f;
    EXPECT_EQ(texts.scoreText(snake).getString(), "420");
    snake.name = L"Kai";
    EXPECT_EQ(texts.nameText(snake).getString(), "Kai");
}
