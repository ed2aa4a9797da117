#include "shell/Game.h"

#include "shell/GameFont.h"
#include "shell/WindowDevices.h"
#include "shell/WindowIcon.h"

#include <SFML/Window/Mouse.hpp>

Game::Game() : decorationLayers(makeDecorationLayers()) {
    desktop.openWindow(window, false);
    setWindowIcon(window);
    loadGameFont(font);
    playScreen.build(font);
    window.setActive(true);
    contextHold.emplace();
    frameLoop.controls.lastMousePosition = sf::Mouse::getPosition(window);
}

void Game::run() {
    BootScreen bootScreen;
    BootScreenDrawing bootScreenDrawing(font);  // its stars are the title's rand() draws
    WindowDevices devices(window, desktop, gameClock);
    sf::Clock frameClock;
    bool windowPending = true;
    while (window.isOpen()) {
        if (windowPending) {
            devices.recreateWindow(frameLoop.controls);
            windowPending = false;
        }
        frameLoop.frame(frameClock.restart().asSeconds(), bootScreen, devices);
        if (frameLoop.controls.state == GameState::Boot)
            bootFrame(bootScreen, bootScreenDrawing);
        else
            worldFrame();
    }
}

void Game::bootFrame(const BootScreen& bootScreen, BootScreenDrawing& drawing) {
    drawing.draw(window, bootScreen.look(), decorationLayers, decorationCanvas);
    window.display();
}

void Game::worldFrame() {
    playScreen.draw(window, world, decorationLayers, decorationCanvas, gameClock.getElapsedTime().asSeconds(),
                    frameLoop.highScore);
    window.display();
}
