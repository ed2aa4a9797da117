#include "render/BootScreen.h"
#include "shell/GameFont.h"

#include <gtest/gtest.h>
#include <SFML/Graphics/RenderTexture.hpp>

TEST(BootScreenLayout, TextsAreCentredAnimatedByTheScreensOwnTimeAndTheChosenSwatchWearsAWhiteRing) {
    sf::Font font;
    loadGameFont(font);
    BootInput input;
    input.windowSize = {1280, 720};
    input.mouse = {-100.0f, -100.0f};
    BootScreen screen(font);
    screen.colorIndex = 5;
    screen.update(input, 0.0f);
    ASSERT_GT(screen.title.getLocalBounds().width, 0.0f) << "no font with Latin and Japanese glyphs";
    const std::pair<const sf::Text*, float> rows[] = {
        {&screen.title, 120.0f}, {&screen.prompt, 320.0f}, {&screen.nameLabel, 360.0f}, {&screen.hint, 720.0f}};
    for (const auto& row : rows) EXPECT_EQ(row.first->getPosition(), sf::Vector2f(640.0f, row.second)) << row.second;
    EXPECT_EQ(std::make_tuple(screen.title.getOutlineColor().a, screen.hint.getFillColor().a),
              std::make_tuple(180, 120));
    EXPECT_EQ(screen.nameLabel.getString().toWideString(), L"あなた_");

    sf::RenderTexture target;
    ASSERT_TRUE(target.create(1280, 720));
    target.clear(sf::Color(2, 4, 15, 255));
    target.draw(screen);
    target.display();
    const sf::Image image = target.getTexture().copyToImage();
    EXPECT_EQ(image.getPixel(715, 550), screen.palette[5]);
    EXPECT_EQ(image.getPixel(715, 550 - 31), sf::Color::White);  // radius 22 and a ring of 4, scaled by 1.3
    EXPECT_EQ(image.getPixel(640, 550 - 31), sf::Color(2, 4, 15, 255));

    screen.update(input, 0.5f);  // the cursor blinks off; title and hint fade
    EXPECT_EQ(screen.nameLabel.getString().toWideString(), L"あなた ");
    EXPECT_EQ(std::make_tuple(screen.title.getOutlineColor().a, screen.hint.getFillColor().a),
              std::make_tuple(159, 242));
    screen.update(input, 1.1780972f - 0.5f);  // the hint's fade dips below zero: hidden
    EXPECT_EQ(screen.hint.getFillColor().a, 0);
    screen.update(input, 0.5f);  // 1.68 s: the cursor's fifth 0.4 s, shown
    EXPECT_EQ(screen.nameLabel.getString().toWideString(), L"あなた_");
}
