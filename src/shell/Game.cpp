#include "shell/Game.h"

#include "shell/GameFont.h"
#include "shell/WindowDevices.h"
#include "shell/WindowIcon.h"

#include "render/Minimap.h"
#include "render/RankingBoard.h"
#include "render/ScoreDisplay.h"
#include "render/WorldView.h"

#include <SFML/Window/Mouse.hpp>

Game::Game() : decorationLayers(makeDecorationLayers()) {
    window.create(sf::VideoMode(1280, 720, 32), WindowTitle, sf::Style::Default);
    setWindowIcon(window);
    loadGameFont(font);
    worldPass.build();
    arenaGrid.build();
    snakeTexts.setupTexts(font);
    frameLoop.controls.lastMousePosition = sf::Mouse::getPosition(window);
}

void Game::run() {
    BootScreen bootScreen(font);
    WindowDevices devices(window, gameClock);
    sf::Clock frameClock;
    bool windowPending = true;
    while (window.isOpen()) {
        if (windowPending) {
            devices.recreateWindow(frameLoop.controls);
            windowPending = false;
        }
        frameLoop.frame(frameClock.restart().asSeconds(), bootScreen, devices);
        if (frameLoop.controls.state == GameState::Boot)
            bootFrame(bootScreen);
        else
            worldFrame();
    }
}

void Game::bootFrame(const BootScreen& bootScreen) {
    window.clear(sf::Color(2, 4, 15, 255));
    drawDecorationLayers(decorationLayers, window, sf::Vector2f(40.0f * bootScreen.time, 0.0f));
    window.draw(bootScreen);
    window.display();
}

void Game::worldFrame() {
    window.clear(sf::Color(2, 4, 10, 255));
    const float t = gameClock.getElapsedTime().asSeconds();
    window.setView(worldView(world.cameraCenter, world.zoom, window.getSize()));
    drawDecorationLayers(decorationLayers, window, world.cameraCenter);
    arenaGrid.draw(window);
    worldPass.draw(window, world, snakeTexts, t);
    window.setView(window.getDefaultView());
    drawRanking(window, font, world.ranking, snakeTexts);
    drawMinimap(window, world.snakes);
    updateHighScore();
    drawScore(window, font, world.player().score(), highScore);
    window.display();
}

void Game::updateHighScore() {
    const Snake& player = world.player();
    if (player.alive && player.score() > highScore) highScore = player.score();
}
