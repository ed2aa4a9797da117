#pragma once

#include "render/ArenaGrid.h"
#include "render/Backdrop.h"
#include "render/BootScreen.h"
#include "render/SnakeTexts.h"
#include "render/WorldPass.h"
#include "shell/Controls.h"
#include "sim/PlayerInput.h"
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
    void createWindow();
    void handleEvents(BootScreen& bootScreen);
    void apply(const EventRequests& requests, const BootScreen& bootScreen);
    void startPlay(const BootScreen& bootScreen);
    void syncCursor();
    void fixedStep();
    PlayerInput readPlayerInput() const;
    void bootFrame(BootScreen& bootScreen, float frameSeconds);
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

    Controls controls;
    bool cursorShown = true;  // as last set on the window
    float accumulator = 0.0f;
};
