#pragma once

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
    void bootFrame(float frameSeconds);
    void worldFrame();

    sf::RenderWindow window;
    sf::Font font;
    sf::Clock gameClock;

    GameState state = GameState::Boot;
    bool fullscreen = true;
    float accumulator = 0.0f;
};
