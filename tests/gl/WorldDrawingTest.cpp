#include "render/GlowTexture.h"
#include "render/PlayScreen.h"  // and every part of the frame it draws
#include "render/WorldView.h"
#include "shell/GameFont.h"

#include "../TestWorld.h"

#include <gtest/gtest.h>
#include <SFML/Graphics/CircleShape.hpp>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>

namespace {

using PixelTest = std::function<bool(sf::Color)>;

int count(const sf::Image& image, sf::IntRect box, const PixelTest& test) {
    int n = 0;
    for (int x = box.left; x < box.left + box.width; ++x)
        for (int y = box.top; y < box.top + box.height; ++y) n += test(image.getPixel(x, y));
    return n;
}

const PixelTest white = [](sf::Color c) { return c.r > 200 && c.g > 200 && c.b > 200; };

using Draw = std::function<void(sf::RenderTarget&)>;

// Renders into a fresh texture cleared to `background`, under `view` (the default one if null), and reads it back.
sf::Image render(sf::Vector2u size, const sf::View* view, sf::Color background, const Draw& draw) {
    sf::RenderTexture target;
    if (!target.create(size.x, size.y)) throw std::runtime_error("no render target of " + std::to_string(size.x));
    if (view) target.setView(*view);
    target.clear(background);
    draw(target);
    target.display();
    return target.getTexture().copyToImage();
}

struct Drawing : ::testing::Test {
    Drawing() {
        loadGameFont(font);
        texts.setupTexts(font);
    }
    sf::Font font;
    World world = (std::srand(5), World());
    SnakeTexts texts;
};

}  // namespace

// The layers' shift and blending are checked with the decoration canvas.
TEST(GlowTexture, FadesFromABrightCoreToATransparentEdge) {
    sf::Texture glow;
    buildGlowTexture(glow);
    const sf::Image image = glow.copyToImage();
    ASSERT_EQ(image.getSize(), sf::Vector2u(128, 128));
    EXPECT_EQ(std::make_tuple(image.getPixel(0, 0).a, image.getPixel(64, 1).a), std::make_tuple(0, 20));
    EXPECT_GE(image.getPixel(64, 64).a, 240);
}

// The rim is the library's circle shape without its transparent inside: the same pixels, close up and far off, on
// every side of the arena.
TEST(ArenaGrid, TheRimCoversThePixelsOfAFifteenUnitOutlinedCircleShape) {
    ArenaGrid grid;
    grid.build();
    sf::CircleShape rim(3800.0f, 500);
    rim.setOrigin(3800.0f, 3800.0f);
    rim.setFillColor(sf::Color::Transparent);
    rim.setOutlineThickness(15.0f);
    rim.setOutlineColor(sf::Color(255, 30, 30, 180));
    const std::vector<sf::Vertex> lines = arenaGridVertices();
    for (const auto& [centre, zoom] :
         {std::make_pair(sf::Vector2f(3800.0f, 0.0f), 2.3f), {{-2687.0f, -2687.0f}, 0.55f}, {{0.0f, 0.0f}, 0.04f}}) {
        const sf::View view = worldView(centre, zoom, {320, 180});
        const auto scene = [&](const Draw& draw) { return render({320, 180}, &view, sf::Color(2, 4, 10), draw); };
        const sf::Image shape = scene([&](sf::RenderTarget& target) {
            target.draw(lines.data(), lines.size(), sf::Lines);
            target.draw(rim);
        });
        const sf::Image strip = scene([&](sf::RenderTarget& target) { grid.draw(target); });
        EXPECT_TRUE(std::equal(shape.getPixelsPtr(), shape.getPixelsPtr() + 320 * 180 * 4, strip.getPixelsPtr()));
        EXPECT_GT(count(shape, {0, 0, 320, 180}, [](sf::Color c) { return c.r > 150; }), 100) << zoom;
    }
}

TEST_F(Drawing, RankingRowsSitWhereTheLayoutPutsThem) {
    Snake& first = *world.snakes[3];
    first.color = sf::Color(255, 40, 40);
    first.mass = 12420.0f;
    world.snakes[7]->mass = 130.0f;
    world.refreshRanking();
    RankingBoard board;
    board.setup(font);
    const sf::Image image = render({1280, 720}, nullptr, sf::Color::Black,
                                   [&](sf::RenderTarget& target) { board.draw(target, world, texts); });
    EXPECT_GT(count(image, {1000, 135, 150, 30}, [](sf::Color c) { return c.r > 200 && c.g > 200 && c.b < 60; }), 50);
    EXPECT_EQ(texts.rankText(*world.snakes[7], 2).getPosition(), sf::Vector2f(950.0f, 125.0f + 55.0f + 27.0f));
    EXPECT_GT(count(image, {945, 180, 200, 24}, [](sf::Color c) { return c.r > 200 && c.g < 80; }), 20);
    for (int y : {180, 207})  // scores end 15 pixels inside the board
        EXPECT_EQ(std::make_pair(count(image, {1236, y, 5, 24}, white) > 0, count(image, {1244, y, 11, 24}, white)),
                  std::make_pair(true, 0));
    // All 40 snakes ranked, ten rows shown: the tenth from y = 423, under it only the panel's fill, (20, 20, 30) at
    // alpha 180 over black.
    const PixelTest ink = [](sf::Color c) { return std::max({c.r, c.g, c.b}) > 100; };
    EXPECT_GT(count(image, {945, 423, 300, 24}, ink), 20);
    EXPECT_EQ(count(image, {945, 451, 300, 22}, ink), 0);
    EXPECT_EQ(image.getPixel(940, 470), sf::Color(14, 14, 21));
}

// The lines' fill shows whatever lies under it: the frame's pixels of each fill colour are those of the same
// texts drawn alone.
TEST_F(Drawing, TheScoreLineShowsThePlayersScoreAndTheHighScoreLineTheRunsBest) {
    for (const auto& snake : world.snakes) snake->alive = false;
    world.player().mass = 92.5f;  // score 12, the run's best 345
    PlayScreen screen;
    screen.build(font);
    DecorationCanvas canvas;
    const sf::Image frame = render({1280, 720}, nullptr, sf::Color::Black, [&](sf::RenderTarget& target) {
        screen.draw(target, world, {}, canvas, 0.0f, 345);
    });
    const sf::Image alone = render({1280, 720}, nullptr, sf::Color::Black, [&](sf::RenderTarget& target) {
        sf::Text line("SCORE: 12", font, 42);
        line.setStyle(sf::Text::Bold);
        line.setOutlineThickness(2.0f);
        line.setFillColor(sf::Color::Cyan);
        line.setPosition(30.0f, 30.0f);
        target.draw(line);
        line.setString("HIGH SCORE: 345");
        line.setFillColor(sf::Color(255, 215, 0));
        line.setPosition(1280.0f - line.getLocalBounds().width - 30.0f, 30.0f);
        target.draw(line);
    });
    int filled = 0, differing = 0;
    for (unsigned x = 0; x < 1280; ++x)
        for (unsigned y = 0; y < 100; ++y)
            for (const sf::Color fill : {sf::Color::Cyan, sf::Color(255, 215, 0)}) {
                filled += alone.getPixel(x, y) == fill;
                differing += (alone.getPixel(x, y) == fill) != (frame.getPixel(x, y) == fill);
            }
    EXPECT_GT(filled, 2000);
    EXPECT_EQ(differing, 0);
}

TEST_F(Drawing, TheWorldPassLayersPelletsShadowsBodiesSparksThenEyesAndLabels) {
    // Only the player, a one-point snake at the origin heading right, over a pellet and under a spark.
    quieten(world);
    Snake& player = world.player();
    place(player, {0.0f, 0.0f}, 0.0f, 80.0f, 1);
    player.color = sf::Color(200, 50, 50);
    world.addPellet({0.0f, 0.0f}, 10.0f, sf::Color(0, 255, 0), false);
    world.particles.assign(1, Particle{{-8.0f, 0.0f}, {0.0f, 0.0f}, sf::Color(0, 0, 255), 1.0f});
    world.zoom = 2.0f;
    WorldPass pass;
    pass.build();
    const sf::Image image = render({400, 400}, nullptr, sf::Color(2, 4, 10), [&](sf::RenderTarget& target) {
        target.setView(sf::View({0.0f, 0.0f}, {200.0f, 200.0f}));
        pass.draw(target, world, texts, 0.0f);
    });
    const auto at = [&](float x, float y) { return image.getPixel(200 + int(2 * x), 200 + int(2 * y)); };
    // The body covers the pellet; its glow shows around; the shadow falls down and right.
    EXPECT_NEAR(at(0.0f, 0.0f).r, 130, 6);
    EXPECT_GT(at(0.0f, -26.0f).g, 40);
    EXPECT_LT(at(18.0f, 14.0f).g + 20, at(-18.0f, -14.0f).g);
    EXPECT_EQ(at(-8.0f, 0.0f), sf::Color(0, 0, 255));              // the spark on the body
    EXPECT_TRUE(white(at(3.5f, -7.7f)) && white(at(3.5f, 7.7f)));  // the eyes on both
    // The label stands above the head, 18 pixels high whatever the zoom.
    EXPECT_EQ(texts.nameText(player).getScale(), sf::Vector2f(0.140625f, 0.140625f));
    EXPECT_GT(count(image, {150, 105, 100, 40}, white), 30);
    EXPECT_EQ(count(image, {150, 250, 100, 100}, white), 0);
}

// Against each hexagon's six triangles added straight onto the screen, for the title (zoom 0: default view) and play
// at three sizes. The rasterizer now and then covers a pixel twice where two triangles meet, on the screen as on the
// canvas: one pixel in 10,000 may stray further than 3 levels.
TEST(DecorationCanvas, LooksLikeTheHexagonsDrawnOneByOneOntoTheScreen) {
    std::srand(42);
    const std::vector<DecorationLayer> layers = makeDecorationLayers();
    DecorationCanvas canvas;
    const std::tuple<sf::Vector2u, sf::Vector2f, float> scenes[] = {
        {{1280, 720}, {400.0f, 0.0f}, 0.0f},       {{1920, 1080}, {1000.0f, 0.0f}, 0.0f},
        {{3840, 2160}, {2400.0f, 0.0f}, 0.0f},     {{1280, 720}, {-1500.0f, 900.0f}, 1.0f},
        {{1920, 1080}, {2600.0f, -1250.0f}, 0.8f}, {{3840, 2160}, {300.0f, 3100.0f}, 0.55f}};
    for (const auto& [size, centre, zoom] : scenes) {
        const sf::View view =
            zoom > 0.0f ? worldView(centre, zoom, size) : sf::View(sf::FloatRect({}, sf::Vector2f(size)));
        // Magenta shows wherever a drawing leaves a pixel alone.
        const sf::Image expected = render(size, &view, sf::Color::Magenta, [&](sf::RenderTarget& target) {
            target.clear(sf::Color(2, 4, 10));
            for (const DecorationLayer& layer : layers) {
                const sf::Transform shift = sf::Transform().translate(-centre * layer.parallax);
                target.draw(layer.vertices, sf::RenderStates(sf::BlendAdd, shift, nullptr, nullptr));
            }
        });
        const sf::Image out = render(size, &view, sf::Color::Magenta, [&](sf::RenderTarget& target) {
            canvas.clearWithLayers(target, sf::Color(2, 4, 10), layers, centre);
        });
        const double channels = 4.0 * size.x * size.y;
        std::size_t sum = 0, strays = 0;
        for (std::size_t i = 0; i < channels; ++i) {
            const int difference = std::abs(expected.getPixelsPtr()[i] - out.getPixelsPtr()[i]);
            sum += difference;
            strays += difference > 3;
        }
        EXPECT_LT(static_cast<double>(sum), 0.3 * 0.75 * channels) << size.x;  // a mean over r, g and b
        EXPECT_LE(strays, channels / 40000) << size.x;
    }
}
