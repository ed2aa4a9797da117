#include "render/BootScreenDrawing.h"
#include "shell/BootScreen.h"
#include "shell/GameFont.h"

#include <gtest/gtest.h>
#include <SFML/Graphics/RenderTexture.hpp>

TEST(BootScreenLayout, TextsAreCentredAnimatedByTheScreensOwnTimeAndTheChosenSwatchWearsAWhiteRing) {
    sf::Font font;
    loadGameFont(font);
    const BootInput input{{1280, 720}, {-100.0f, -100.0f}, false, {}};
    BootScreen screen;
    BootScreenDrawing drawing(font);
    DecorationCanvas canvas;
    sf::RenderTexture target;
    ASSERT_TRUE(target.create(1280, 720));
    const auto frame = [&](float dt) {  // as the title runs: the screen's update, then the drawing
        screen.update(input, dt);
        drawing.draw(target, screen.look(), {}, canvas);
    };
    screen.colorIndex = 5;
    frame(0.0f);
    ASSERT_GT(drawing.title.getLocalBounds().width, 0.0f) << "no font with Latin and Japanese glyphs";
    const std::pair<const sf::Text*, float> rows[] = {
        {&drawing.title, 120.0f}, {&drawing.prompt, 320.0f}, {&drawing.nameLabel, 360.0f}, {&drawing.hint, 720.0f}};
    for (const auto& row : rows) {  // centred, but for the side bearing of the first glyph
        const sf::FloatRect box = row.first->getGlobalBounds();
        EXPECT_NEAR(box.left + box.width / 2.0f, 640.0f, 8.0f) << row.second;
        EXPECT_EQ(row.first->getPosition().y, row.second);
    }
    EXPECT_EQ(std::make_tuple(drawing.title.getOutlineColor().a, drawing.hint.getFillColor().a),
              std::make_tuple(180, 120));
    EXPECT_EQ(drawing.nameLabel.getString().toWideString(), L"あなた_");

    target.display();
    const sf::Image image = target.getTexture().copyToImage();
    EXPECT_EQ(image.getPixel(715, 550), screen.palette[5]);
    EXPECT_EQ(image.getPixel(715, 550 - 31), sf::Color::White);  // radius 22 and a ring of 4, scaled by 1.3
    EXPECT_EQ(image.getPixel(640, 550 - 31), sf::Color(2, 4, 15, 255));

    frame(0.5f);  // the cursor blinks off; title and hint fade
    EXPECT_EQ(drawing.nameLabel.getString().toWideString(), L"あなた ");
    EXPECT_EQ(std::make_tuple(drawing.title.getOutlineColor().a, drawing.hint.getFillColor().a),
              std::make_tuple(159, 242));
    frame(1.1780972f - 0.5f);  // the hint's fade dips below zero: hidden
    EXPECT_EQ(drawing.hint.getFillColor().a, 0);
    frame(0.5f);  // 1.68 s: the cursor's fifth 0.4 s, shown
    EXPECT_EQ(drawing.nameLabel.getString().toWideString(), L"あなた_");
}
