#pragma once

#include "render/ArenaGrid.h"
#include "render/Backdrop.h"
#include "render/BootScreen.h"
#include "render/SnakeTexts.h"
#include "render/WorldPass.h"
#include "shell/FrameLoop.h"
#include "sim/World.h"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/System/Clock.hpp>

// The one object that owns the window, the font, the clocks, the world and
// every drawing resource, and runs the frame loop.
class Game {
public:
    Game();
    void run();

private:
    void bootFrame(const BootScreen& bootScreen);
    void worldFrame();
    void updateHighScore();

    // First: its hexagons are the first rand() draws, before the world's.
    std::vector<DecorationLayer> decorationLayers;
    sf::RenderWindow window;
    sf::Font font;
    World world;
    ArenaGrid arenaGrid;
    WorldPass worldPass;
    SnakeTexts snakeTexts;
    sf::Clock gameClock;
    int highScore = 0;
    FrameLoop frameLoop{world};
};
