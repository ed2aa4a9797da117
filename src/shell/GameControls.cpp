#include "shell/Game.h"

#include <SFML/Window/Event.hpp>
#include <SFML/Window/Mouse.hpp>

// Every pending event, then the input mode; the cursor follows both.
void Game::handleEvents(BootScreen& bootScreen) {
    sf::Event event;
    while (window.pollEvent(event)) {
        const bool onSwatch = bootScreen.swatchContains(sf::Vector2f(sf::Mouse::getPosition(window)));
        apply(handleEvent(event, onSwatch, controls, {bootScreen.name, bootScreen.colorIndex}), bootScreen);
    }
    updateInputMode(controls, readGamepad(), sf::Mouse::getPosition(window));
    syncCursor();
}

void Game::apply(const EventRequests& requests, const BootScreen& bootScreen) {
    if (requests.close) window.close();
    if (requests.startPlay) startPlay(bootScreen);
    if (requests.recreateWindow) createWindow();
}

// Time spent on the title is dropped, so play never starts by running off
// a backlog of steps at once.
void Game::startPlay(const BootScreen& bootScreen) {
    world.startPlayer(bootScreen.name, bootScreen.palette[static_cast<std::size_t>(bootScreen.colorIndex)]);
    accumulator = 0.0f;
}

void Game::syncCursor() {
    if (controls.cursorVisible == cursorShown) return;
    window.setMouseCursorVisible(controls.cursorVisible);
    cursorShown = controls.cursorVisible;
}
