#pragma once

#include "render/Backdrop.h"
#include "render/BootScreenDrawing.h"
#include "render/ContextHold.h"
#include "render/DecorationCanvas.h"
#include "render/PlayScreen.h"
#include "shell/BootScreen.h"
#include "shell/Desktop.h"
#include "shell/FrameLoop.h"
#include "sim/World.h"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/System/Clock.hpp>

#include <optional>

// The one object that owns the window, the font, the clocks, the world and
// every drawing resource, and runs the frame loop.
class Game {
public:
    Game();
    void run();

private:
    void bootFrame(const BootScreen& bootScreen, BootScreenDrawing& drawing);
    void worldFrame();

    // First: its hexagons are the first rand() draws, before the world's.
    std::vector<DecorationLayer> decorationLayers;
    Desktop desktop;  // outlives the window it places
    sf::RenderWindow window;
    sf::Font font;
    World world;
    PlayScreen playScreen;
    DecorationCanvas decorationCanvas;  // the title's and the world's backdrop
    std::optional<ContextHold> contextHold;  // made once the window and the screens are built
    sf::Clock gameClock;
    FrameLoop frameLoop{world};
};
