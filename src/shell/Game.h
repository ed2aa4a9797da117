#pragma once

#include "sim/PlayerInput.h"
#include "sim/World.h"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/System/Clock.hpp>

enum class GameState { Boot, Playing };

// The one object that owns the window, the font, the clocks, the world and
// every drawing resource, and runs the frame loop.
class Game {
public:
    Game();
    void run();

private:
    void createWindow(bool fullscreen);
    void handleEvents();
    void fixedStep();
    PlayerInput readPlayerInput() const;
    void bootFrame(float frameSeconds);
    void worldFrame();
    void updateHighScore();

    sf::RenderWindow window;
    sf::Font font;
    World world;
    sf::Clock gameClock;
    int highScore = 0;
    sf::Vector2i lastMousePosition;
    bool gamepadActive = false;

    GameState state = GameState::Boot;
    bool fullscreen = true;
    float accumulator = 0.0f;
    sf::Vector2f stick;
};
