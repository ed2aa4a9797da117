#include "render/PlayScreen.h"

#include "render/WorldView.h"

void PlayScreen::build(const sf::Font& font) {
    worldPass.build();
    arenaGrid.build();
    snakeTexts.setupTexts(font);
    rankingBoard.setup(font);
    scoreDisplay.setup(font);
}

void PlayScreen::draw(sf::RenderTarget& target, const World& world, const std::vector<DecorationLayer>& layers,
                      DecorationCanvas& canvas, float t, int highScore) {
    target.setView(worldView(world.cameraCenter, world.zoom, target.getSize()));
    canvas.clearWithLayers(target, sf::Color(2, 4, 10, 255), layers, world.cameraCenter);
    arenaGrid.draw(target);
    worldPass.draw(target, world, snakeTexts, t);
    target.setView(target.getDefaultView());
    rankingBoard.draw(target, world, snakeTexts);
    minimap.draw(target, world.snakes);
    scoreDisplay.draw(target, world.player().score(), highScore);
}
