#include "shell/Game.h"

#include "shell/FixedStep.h"
#include "shell/GameFont.h"

#include "render/Minimap.h"
#include "render/RankingBoard.h"
#include "render/ScoreDisplay.h"
#include "render/WorldView.h"

#include <SFML/Window/Joystick.hpp>
#include <SFML/Window/Mouse.hpp>

#include <algorithm>

namespace {
const char* const Title = "Neonvine";
}

Game::Game() : decorationLayers(makeDecorationLayers()) {
    window.create(sf::VideoMode(1280, 720, 32), Title, sf::Style::Default);
    loadGameFont(font);
    worldPass.build();
    arenaGrid.build();
    snakeTexts.setupTexts(font);
    controls.lastMousePosition = sf::Mouse::getPosition(window);
}

void Game::run() {
    BootScreen bootScreen(font);
    sf::Clock frameClock;
    bool windowPending = true;
    while (window.isOpen()) {
        if (windowPending) {
            createWindow();
            windowPending = false;
        }
        const float frameSeconds = frameClock.restart().asSeconds();
        accumulator = accumulateFrame(accumulator, frameSeconds);
        handleEvents(bootScreen);
        if (controls.state == GameState::Boot) {
            bootFrame(bootScreen, std::min(frameSeconds, MaxFrameSeconds));
            continue;
        }
        for (int steps = takeSteps(accumulator); steps > 0; --steps) fixedStep();
        worldFrame();
    }
}

void Game::createWindow() {
    if (controls.fullscreen)
        window.create(sf::VideoMode::getDesktopMode(), Title, sf::Style::Fullscreen);
    else
        window.create(sf::VideoMode(1280, 720, 32), Title, sf::Style::Default);
    window.setVerticalSyncEnabled(true);
    window.setMouseCursorVisible(controls.cursorVisible);
    cursorShown = controls.cursorVisible;
}

void Game::fixedStep() {
    world.step(gameClock.getElapsedTime().asSeconds(), readPlayerInput());
}

PlayerInput Game::readPlayerInput() const {
    PlayerInput input;
    const sf::Vector2u size = window.getSize();
    const sf::Vector2i mouse = sf::Mouse::getPosition(window);
    input.mouseOffset = sf::Vector2f(static_cast<float>(mouse.x) - static_cast<float>(size.x) * 0.5f,
                                     static_cast<float>(mouse.y) - static_cast<float>(size.y) * 0.5f);
    input.leftButton = sf::Mouse::isButtonPressed(sf::Mouse::Left);
    input.button0 = sf::Joystick::isButtonPressed(0, 0);
    input.button1 = sf::Joystick::isButtonPressed(0, 1);
    input.stick = controls.stick;
    input.useStick = controls.gamepadActive;
    return input;
}

void Game::bootFrame(BootScreen& bootScreen, float frameSeconds) {
    BootInput input;
    input.windowSize = window.getSize();
    input.mouse = sf::Vector2f(sf::Mouse::getPosition(window));
    input.leftButton = sf::Mouse::isButtonPressed(sf::Mouse::Left);
    input.gamepad = readGamepad();
    bootScreen.update(input, frameSeconds);
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
