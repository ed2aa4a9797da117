#include "render/Minimap.h"
#include "render/SnakeTexts.h"
#include "render/WorldView.h"

#include "TestWorld.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>

TEST(OverlayLayout, TheMinimapDotsTheLivingHeadsThePlayersCyanAndTheWorldViewShowsZoomPixelsAUnit) {
    auto world = quietWorld(8);
    place(world->player(), {3800.0f, -1900.0f}, 0.0f, 80.0f);
    place(*world->snakes[3], {0.0f, 0.0f}, 0.0f, 80.0f);
    place(*world->snakes[7], {-1900.0f, 3800.0f}, 0.0f, 80.0f);
    world->snakes[7]->color = sf::Color::Cyan;
    std::vector<MinimapDot> dots;
    using Dot = std::tuple<float, float, float, sf::Color>;
    const auto shown = [&] {
        buildMinimapDots(dots, world->snakes, minimapCenter({1280, 720}));  // centred on (1150, 590)
        std::vector<Dot> seen;
        for (const MinimapDot& d : dots) seen.emplace_back(d.position.x, d.position.y, d.radius, d.color);
        return seen;
    };
    EXPECT_EQ(shown(), (std::vector<Dot>{{1240.0f, 545.0f, 3.5f, sf::Color::Cyan},
                                         {1150.0f, 590.0f, 2.2f, sf::Color::Red},
                                         {1105.0f, 680.0f, 2.2f, sf::Color::Red}}));
    world->player().alive = world->snakes[3]->alive = false;
    EXPECT_EQ(shown(), (std::vector<Dot>{{1105.0f, 680.0f, 2.2f, sf::Color::Red}}));
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
    // Until the next refresh the board keeps its numbers, also when play starts again and respawns the listed player
    // with none published.
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
