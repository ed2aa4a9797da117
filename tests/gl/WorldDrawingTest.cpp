#include "render/Backdrop.h"
#include "render/GlowTexture.h"
#include "render/RankingBoard.h"
#include "render/ScoreDisplay.h"
#include "render/SnakeTexts.h"
#include "render/WorldPass.h"
#include "shell/GameFont.h"
#include "sim/World.h"

#include <SFML/Graphics/RenderTexture.hpp>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

namespace {

using PixelTest = std::function<bool(sf::Color)>;

// The rightmost column of a box in which some pixel passes the test, or -1.
int rightmost(const sf::Image& image, sf::IntRect box, const PixelTest& test) {
    for (int x = box.left + box.width - 1; x >= box.left; --x)
        for (int y = box.top; y < box.top + box.height; ++y)
            if (test(image.getPixel(x, y))) return x;
    return -1;
}

int count(const sf::Image& image, sf::IntRect box, const PixelTest& test) {
    int n = 0;
    for (int x = box.left; x < box.left + box.width; ++x)
        for (int y = box.top; y < box.top + box.height; ++y) n += test(image.getPixel(x, y));
    return n;
}

bool near(sf::Color c, sf::Color expected) {
    return std::abs(c.r - expected.r) <= 2 && std::abs(c.g - expected.g) <= 2 && std::abs(c.b - expected.b) <= 2;
}
bool white(sf::Color c) { return c.r > 200 && c.g > 200 && c.b > 200; }

// Renders into a fresh texture cleared to `background` and reads it back.
sf::Image render(sf::Vector2u size, sf::Color background, const std::function<void(sf::RenderTarget&)>& draw) {
    sf::RenderTexture target;
    target.create(size.x, size.y);
    target.clear(background);
    draw(target);
    target.display();
    return target.getTexture().copyToImage();
}

struct WithFont : ::testing::Test {
    WithFont() {
        loadGameFont(font);
        std::srand(5);
    }
    sf::Font font;
};

}  // namespace

TEST(GlowTexture, FadesFromABrightCoreToATransparentEdge) {
    sf::Texture glow;
    buildGlowTexture(glow);
    ASSERT_EQ(glow.getSize(), sf::Vector2u(128, 128));
    const sf::Image image = glow.copyToImage();
    EXPECT_EQ(image.getPixel(0, 0).a, 0);
    EXPECT_EQ(image.getPixel(127, 127).a, 0);
    EXPECT_EQ(image.getPixel(64, 1).a, 20);  // only the outermost disc
    EXPECT_GE(image.getPixel(64, 64).a, 240);
    EXPECT_GT(image.getPixel(64, 40).a, image.getPixel(64, 20).a);
    EXPECT_EQ(image.getPixel(64, 64).r, image.getPixel(64, 64).b);  // no tint
}

TEST(Backdrop, LayersAddOntoTheFrameShiftedByTheirParallax) {
    std::vector<DecorationLayer> layers(1);
    layers[0].parallax = 0.5f;
    layers[0].vertices.setPrimitiveType(sf::Triangles);
    for (sf::Vector2f at : {sf::Vector2f(100.0f, 100.0f), sf::Vector2f(140.0f, 100.0f), sf::Vector2f(100.0f, 140.0f)})
        layers[0].vertices.append(sf::Vertex(at, sf::Color(0, 100, 0, 255)));
    const sf::Image image = render({200, 200}, sf::Color(50, 0, 0), [&](sf::RenderTarget& target) {
        drawDecorationLayers(layers, target, sf::Vector2f(100.0f, -40.0f));
    });
    EXPECT_EQ(image.getPixel(55, 125), sf::Color(50, 100, 0));
    EXPECT_EQ(image.getPixel(105, 125), sf::Color(50, 0, 0));
}

TEST_F(WithFont, ScoreAtTheLeftAndHighScoreRightAlignedWhateverItsDigits) {
    int ends[2];
    const int highScores[2] = {0, 1230};
    for (int i = 0; i < 2; ++i) {
        ScoreDisplay display;
        display.setup(font);
        const sf::Image image = render({1280, 720}, sf::Color(2, 4, 10),
                                       [&](sf::RenderTarget& target) { display.draw(target, 57, highScores[i]); });
        EXPECT_GT(count(image, {30, 30, 300, 60}, [](sf::Color c) { return c.r < 60 && c.g > 200 && c.b > 200; }), 100);
        ends[i] = rightmost(image, {640, 20, 640, 80}, [](sf::Color c) { return c.r > 200 && c.g > 150 && c.b < 80; });
    }
    EXPECT_EQ(ends[0], ends[1]);
    EXPECT_GE(ends[0], 1240);
    EXPECT_LE(ends[0], 1252);
}

TEST_F(WithFont, RankingRowsShowPlaceNameInColourAndRightAlignedScores) {
    World world;
    SnakeTexts texts;
    texts.setupTexts(font);
    RankingBoard board;
    board.setup(font);
    Snake& first = *world.snakes[3];
    Snake& second = *world.snakes[7];
    first.color = sf::Color(255, 40, 40);
    first.mass = 12420.0f;
    second.mass = 130.0f;
    world.refreshRanking();
    const sf::Image image = render({1280, 720}, sf::Color::Black,
                                   [&](sf::RenderTarget& target) { board.draw(target, world, texts); });
    // Panel fill over black, outline just outside its left edge.
    EXPECT_TRUE(near(image.getPixel(945, 460), sf::Color(14, 14, 21)));
    EXPECT_TRUE(near(image.getPixel(934, 300), sf::Color(78, 78, 117)));
    EXPECT_EQ(image.getPixel(931, 300), sf::Color::Black);
    EXPECT_GT(count(image, {1000, 135, 150, 30}, [](sf::Color c) { return c.r > 200 && c.g > 200 && c.b < 60; }), 50)
        << "the yellow title";
    EXPECT_GT(count(image, {945, 180, 200, 24}, [](sf::Color c) { return c.r > 200 && c.g < 80; }), 20);
    const int firstEnd = rightmost(image, {1100, 180, 155, 24}, white);
    // Glyphs at fractional offsets round a pixel either way.
    EXPECT_NEAR(firstEnd, rightmost(image, {1100, 207, 155, 24}, white), 2);
    EXPECT_NEAR(firstEnd, 1240, 3);
}

TEST_F(WithFont, WorldPassLayersPelletsShadowsBodiesSparksThenEyesAndLabels) {
    // Only the player, a one-point snake at the origin heading right, over a
    // pellet and under a spark.
    World world;
    for (const auto& snake : world.snakes) snake->alive = false;
    for (Pellet& pellet : world.pellets) pellet.isFree = true;
    Snake& player = world.player();
    player.alive = true;
    player.heading = player.targetHeading = 0.0f;
    player.pointCount = 1;
    player.points[0] = sf::Vector2f(0.0f, 0.0f);
    player.updateBounds();
    player.color = sf::Color(200, 50, 50);
    world.addPellet({0.0f, 0.0f}, 10.0f, sf::Color(0, 255, 0), false);
    world.rebuildPelletGrid();
    world.particles.assign(1, Particle{{-8.0f, 0.0f}, {0.0f, 0.0f}, sf::Color(0, 0, 255), 1.0f});
    world.zoom = 2.0f;
    WorldPass pass;
    pass.build();
    SnakeTexts texts;
    texts.setupTexts(font);
    const sf::Image image = render({400, 400}, sf::Color(2, 4, 10), [&](sf::RenderTarget& target) {
        target.setView(sf::View({0.0f, 0.0f}, {200.0f, 200.0f}));
        pass.draw(target, world, texts, 0.0f);
    });
    const auto at = [&](float x, float y) { return image.getPixel(200 + int(2 * x), 200 + int(2 * y)); };

    // The body covers the pellet under it; the glow shows around the body.
    EXPECT_NEAR(at(0.0f, 0.0f).r, 130, 6);
    EXPECT_NEAR(at(0.0f, 0.0f).g, 32, 6);
    EXPECT_GT(at(0.0f, -26.0f).g, 40);
    EXPECT_LT(at(18.0f, 14.0f).g + 20, at(-18.0f, -14.0f).g);  // the shadow falls down and right only
    // The spark lies on the body, the eye whites on both.
    EXPECT_EQ(at(-8.0f, 0.0f), sf::Color(0, 0, 255));
    EXPECT_TRUE(white(at(3.5f, -7.7f)));
    EXPECT_TRUE(white(at(3.5f, 7.7f)));
    // The label stands above the head, 18 pixels high, whatever the zoom.
    EXPECT_GT(count(image, {150, 105, 100, 40}, white), 30);
    EXPECT_EQ(count(image, {150, 250, 100, 100}, white), 0);
}
