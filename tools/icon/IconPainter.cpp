// Paints the game's icon with its own drawing code: a cyan snake winding
// over the dark arena, its head and eyes on top, haloed as when it boosts. One
// large picture is drawn, then scaled down through mipmaps to every size.
// Needs a GL context (scripts/icons runs it under Xvfb).

#include "render/ArenaGrid.h"
#include "render/WorldPass.h"
#include "sim/Arena.h"
#include "sim/Snake.h"

#include <SFML/Graphics/CircleShape.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/Sprite.hpp>

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

const unsigned MasterSize = 1024;
const unsigned IconSizes[] = {16, 24, 32, 48, 64, 128, 256, 512};
const float SnakeViewSize = 132.0f;  // world units across the icon
const std::size_t BodyPoints = 26;

// The head up and to the right, looking ahead; the body winds back to the
// lower left in an S.
void windBody(Snake& snake) {
    snake.boosting = true;
    snake.pointCount = BodyPoints;
    for (std::size_t i = 0; i < BodyPoints; ++i) {
        const float u = static_cast<float>(i) / static_cast<float>(BodyPoints - 1);
        const float along = 30.0f - 66.0f * u;
        const float across = 14.0f * std::sin(TwoPi * u);
        snake.points[i] = sf::Vector2f(along, -0.3f * along + across);
    }
    const sf::Vector2f ahead = snake.points[0] - snake.points[1];
    snake.heading = snake.targetHeading = std::atan2(ahead.y, ahead.x);
    snake.updateBounds();
}

// The whole arena fills the icon: its dark ground, grid and rim, the rim
// widened inward in its own red so that it still shows at small sizes.
void drawArena(sf::RenderTarget& target) {
    const float size = 2.0f * ArenaRadius + 40.0f;
    target.setView(sf::View(sf::Vector2f(0.0f, 0.0f), sf::Vector2f(size, size)));
    sf::CircleShape ground(ArenaRadius, 200);
    ground.setOrigin(ArenaRadius, ArenaRadius);
    ground.setFillColor(sf::Color(2, 4, 10));
    ground.setOutlineThickness(-0.025f * ArenaRadius);
    ground.setOutlineColor(sf::Color(255, 30, 30, 180));
    target.draw(ground);
    ArenaGrid grid;
    grid.build();
    grid.draw(target);
}

void drawSnake(sf::RenderTarget& target) {
    std::vector<sf::Vector2f> pool(MaxPoints);
    std::vector<std::unique_ptr<Snake>> snakes;
    snakes.push_back(std::make_unique<Snake>(0, pool.data(), L"", sf::Color(0, 255, 255), true));
    windBody(*snakes[0]);
    const sf::View view(sf::Vector2f(0.0f, 0.0f), sf::Vector2f(SnakeViewSize, SnakeViewSize));
    target.setView(view);
    WorldPass pass;
    pass.build();
    pass.drawSnakes(target, snakes, ViewBounds(view), 0.0f);
    pass.drawEyes(target, *snakes[0]);
}

bool saveScaled(const sf::Texture& master, unsigned size, const std::string& path) {
    sf::RenderTexture icon;
    if (!icon.create(size, size)) return false;
    sf::Sprite sprite(master);
    const float scale = static_cast<float>(size) / static_cast<float>(MasterSize);
    sprite.setScale(scale, scale);
    icon.clear(sf::Color::Transparent);
    icon.draw(sprite, sf::BlendNone);
    icon.display();
    return icon.getTexture().copyToImage().saveToFile(path);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: neonvine-icon FOLDER   (writes FOLDER/16.png ... FOLDER/512.png)\n", stderr);
        return 2;
    }
    sf::ContextSettings settings;
    settings.antialiasingLevel = sf::RenderTexture::getMaximumAntialiasingLevel();
    sf::RenderTexture master;
    if (!master.create(MasterSize, MasterSize, settings)) return 1;
    master.clear(sf::Color::Transparent);
    drawArena(master);
    drawSnake(master);
    master.display();
    master.setSmooth(true);
    if (!master.generateMipmap()) return 1;
    for (unsigned size : IconSizes) {
        if (!saveScaled(master.getTexture(), size, std::string(argv[1]) + "/" + std::to_string(size) + ".png"))
            return 1;
    }
    return 0;
}
