#pragma once

#include "sim/Grids.h"
#include "sim/Particle.h"
#include "sim/Pellet.h"
#include "sim/PlayerInput.h"
#include "sim/Snake.h"

#include <SFML/Graphics/Color.hpp>
#include <SFML/System/Vector2.hpp>

#include <memory>
#include <string>
#include <vector>

constexpr int PelletPoolSize = 900;
constexpr int MinLivePellets = 300;

// Everything a fixed step changes. It never touches a window, a device, a
// clock or a file: the shell hands each step its time and the player's input.
class World {
public:
    // Pools, grids, the player (not yet spawned), 39 spawned bots and the
    // starting pellets, drawing rand() in that order.
    World();

    // One fixed step of 1/60 s.
    void step(float stepTime, const PlayerInput& input);

    // Starting play: the player takes the name and colour and a fresh body.
    void startPlayer(const std::wstring& name, sf::Color color);

    Snake& player() { return *snakes[0]; }
    const Snake& player() const { return *snakes[0]; }
    int livePelletCount() const { return static_cast<int>(pellets.size() - freePellets.size()); }

    void addPellet(sf::Vector2f position, float size, sf::Color color, bool isBig);
    void spawnRandomPellet();
    void rebuildPelletGrid();
    void rebuildSegmentGrids();
    void handleCollisions();
    void killSnake(Snake& snake);
    void refreshRanking();
    void followPlayer();

    std::vector<sf::Vector2f> pointPool;  // MaxPoints slots per snake id, never resized
    std::vector<std::unique_ptr<Snake>> snakes;  // [0] is the player, then the bots in id order
    std::vector<Pellet> pellets;  // fixed pool
    std::vector<int> freePellets;  // stack of free pool indices
    sf::Vector2f cameraCenter{0.0f, 0.0f};
    float zoom = 2.4f;
    SegmentGrid botSegmentGrid;
    SegmentGrid playerSegmentGrid;
    PelletGrid pelletGrid;
    std::vector<const Snake*> ranking;  // live snakes of the last refresh, heaviest first
    unsigned rankingRefreshes = 0;  // refreshes so far: the board rewrites its scores when this moves
    std::vector<Particle> particles;
    float rankingTimer = 0.0f;

private:
    void updateSnakes(float stepTime, const PlayerInput& input);
    void eatAndAttract(Snake& snake, float radius, Cell cell);
    bool touchesBody(const Snake& snake, float radius, Cell cell) const;
    void advanceRankingTimer();
    void topUpPellets();
};
