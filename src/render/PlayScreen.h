#pragma once

#include "render/ArenaGrid.h"
#include "render/Backdrop.h"
#include "render/DecorationCanvas.h"
#include "render/Minimap.h"
#include "render/RankingBoard.h"
#include "render/ScoreDisplay.h"
#include "render/SnakeTexts.h"
#include "render/WorldPass.h"
#include "sim/World.h"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderTarget.hpp>

#include <vector>

// Everything the world frame draws, from the clear to the score: the
// backdrop, grid and rim and the world pass under the camera's view, then
// the ranking board, the minimap and the score in window pixels. Every
// shape and text is kept from frame to frame, and a string is rewritten only
// when what it shows changed.
class PlayScreen {
public:
    // Needs a GL context and the loaded font, which must outlive the screen.
    void build(const sf::Font& font);
    // t: the game clock's seconds, the animations' time.
    void draw(sf::RenderTarget& target, const World& world, const std::vector<DecorationLayer>& layers,
              DecorationCanvas& canvas, float t, int highScore);

private:
    ArenaGrid arenaGrid;
    WorldPass worldPass;
    SnakeTexts snakeTexts;
    RankingBoard rankingBoard;
    Minimap minimap;
    ScoreDisplay scoreDisplay;
};
