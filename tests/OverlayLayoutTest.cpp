#include "render/Minimap.h"
#include "render/SnakeTexts.h"
#include "render/WorldView.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(OverlayLayout, TheMinimapSitsBottomRightAndTheWorldViewShowsZoomPixelsAUnit) {
    const sf::Vector2f center = minimapCenter(sf::Vector2u(1280, 720));
    EXPECT_EQ(center, sf::Vector2f(1150.0f, 590.0f));
    EXPECT_EQ(minimapPoint(sf::Vector2f(3800.0f, -1900.0f), center), sf::Vector2f(1240.0f, 545.0f));
    const ViewBounds bounds(worldView(sf::Vector2f(100.0f, -50.0f), 2.5f, sf::Vector2u(1280, 720)));
    EXPECT_EQ(bounds.rect, sf::FloatRect(-156.0f, -194.0f, 512.0f, 288.0f));
    EXPECT_TRUE(bounds.near(sf::Vector2f(366.0f, 94.0f), 10.0f));  // edges count as in view
    EXPECT_FALSE(bounds.near(sf::Vector2f(366.5f, 0.0f), 10.0f));
}

TEST(SnakeTexts, BoardScoresChangeOnlyAtARefreshAndLabelsFollowTheName) {
    std::srand(3);
    World world;
    world.startPlayer(L"Ayu", sf::Color::Green);
    Snake& player = world.player();
    Snake& bot = *world.snakes[4];
    SnakeTexts texts;
    const auto shown = [&](const Snake& snake) { return texts.scoreText(snake).getString().toAnsiString(); };
    player.mass = 92.5f;
    bot.mass = 500.0f;
    world.refreshRanking();
    texts.followRanking(world);
    EXPECT_EQ(shown(player), "12");
    EXPECT_EQ(shown(bot), "420");
    // Until the next refresh the board keeps its numbers, also when play
    // starts again and respawns the listed player with none published.
    player.mass = 300.0f;
    world.startPlayer(L"Ayu", sf::Color::Green);
    texts.followRanking(world);
    EXPECT_EQ(shown(player), "12");
    world.refreshRanking();
    texts.followRanking(world);
    EXPECT_EQ(shown(player), "0");
    EXPECT_EQ(shown(bot), "420");
    for (const wchar_t* name : {L"あなた", L"Kai", L""}) {
        player.name = name;
        EXPECT_EQ(texts.nameText(player).getString(), sf::String(name));
        EXPECT_EQ(texts.rankText(player, 3).getString(), sf::String(L"3. " + std::wstring(name)));
    }
}
