#include "shell/Game.h"

#include "shell/FixedStep.h"
#include "shell/GameFont.h"

#include <SFML/Window/Event.hpp>

#include <algorithm>

namespace {
const char* const Title = "Neonvine";
}

Game::Game() {
    window.create(sf::VideoMode(1280, 720, 32), Title, sf::Style::Default);
    loadGameFont(font);
}

void Game::run() {
    sf::Clock frameClock;
    bool windowPending = true;
    while (window.isOpen()) {
        if (windowPending) {
            createWindow(true);
            windowPending = false;
        }
        const float frameSeconds = frameClock.restart().asSeconds();
        accumulator = accumulateFrame(accumulator, frameSeconds);
        handleEvents();
        if (state == GameState::Boot) {
            bootFrame(std::min(frameSeconds, MaxFrameSeconds));
            continue;
        }
        for (int steps = takeSteps(accumulator); steps > 0; --steps) fixedStep();
        worldFrame();
    }
}

void Game::createWindow(bool toFullscreen) {
    fullscreen = toFullscreen;
    if (fullscreen)
        window.create(sf::VideoMode::getDesktopMode(), Title, sf::Style::Fullscreen);
    else
        window.create(sf::VideoMode(1280, 720, 32), Title, sf::Style::Default);
    window.setVerticalSyncEnabled(true);
    window.setMouseCursorVisible(true);
}

void Game::handleEvents() {
    sf::Event event;
    while (window.pollEvent(event)) {
        if (event.type == sf::Event::Closed) window.close();
    }
}

void Game::fixedStep() {}

void Game::bootFrame(float) {
    window.clear(sf::Color(2, 4, 15, 255));
    window.display();
}

void Game::worldFrame() {
    window.clear(sf::Color(2, 4, 10, 255));
    window.display();
}
