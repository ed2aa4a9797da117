#include "render/BootScreen.h"
#include "shell/GameFont.h"

#include <SFML/Graphics/RenderTexture.hpp>
#include <gtest/gtest.h>

namespace {

struct BootScreenLayout : ::testing::Test {
    BootScreenLayout() {
        loadGameFont(font);
        input.windowSize = {1280, 720};
        input.mouse = {-100.0f, -100.0f};
    }
    sf::Font font;
    BootInput input;
};

}  // namespace

TEST_F(BootScreenLayout, TextsAreCentredAndAnimatedByTheScreensOwnTime) {
    BootScreen screen(font);
    screen.update(input, 0.0f);
    EXPECT_GT(screen.title.getLocalBounds().width, 0.0f) << "no font with Latin and Japanese glyphs";
    EXPECT_EQ(screen.title.getOrigin(), sf::Vector2f(screen.title.getLocalBounds().width / 2.0f, 0.0f));
    const std::pair<const sf::Text*, sf::Vector2f> places[] = {{&screen.title, {640.0f, 120.0f}},
                                                                {&screen.prompt, {640.0f, 320.0f}},
                                                                {&screen.nameLabel, {640.0f, 360.0f}},
                                                                {&screen.hint, {640.0f, 720.0f}}};
    for (const auto& p : places) EXPECT_EQ(p.first->getPosition(), p.second) << p.second.y;
    EXPECT_EQ(screen.title.getOutlineColor(), sf::Color(0, 255, 255, 180));
    EXPECT_EQ(screen.title.getFillColor(), sf::Color::Transparent);
    EXPECT_EQ(screen.hint.getFillColor(), sf::Color(255, 255, 255, 120));
    EXPECT_EQ(screen.nameLabel.getString().toWideString(), L"あなた_");

    screen.update(input, 0.5f);
    EXPECT_EQ(screen.nameLabel.getString().toWideString(), L"あなた ");
    EXPECT_EQ(screen.title.getOutlineColor().a, 159);
    EXPECT_EQ(screen.hint.getFillColor().a, 242);
    screen.update(input, 1.1780972f - 0.5f);  // the hint's fade dips below zero: hidden
    EXPECT_EQ(screen.hint.getFillColor().a, 0);
    screen.name.clear();
    screen.update(input, 0.5f);
    EXPECT_EQ(screen.nameLabel.getString().toWideString(), L"_");
}

TEST_F(BootScreenLayout, TheChosenSwatchShowsItsColourInsideAWhiteRing) {
    BootScreen screen(font);
    screen.colorIndex = 5;
    screen.update(input, 0.0f);
    sf::RenderTexture target;
    ASSERT_TRUE(target.create(1280, 720));
    target.clear(sf::Color(2, 4, 15, 255));
    target.draw(screen);
    target.display();
    const sf::Image image = target.getTexture().copyToImage();
    const unsigned cx = 640 + 75, cy = 550;
    EXPECT_EQ(image.getPixel(cx, cy), screen.palette[5]);
    EXPECT_EQ(image.getPixel(cx, cy - 31), sf::Color::White);  // radius 22 and a ring of 4, both scaled by 1.3
    EXPECT_EQ(image.getPixel(cx - 75, cy - 31), sf::Color(2, 4, 15, 255));
    EXPECT_EQ(image.getPixel(cx - 75, cy), screen.palette[4]);
}
