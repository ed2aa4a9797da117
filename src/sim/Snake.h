#pragma once

#include "sim/Grids.h"
#include "sim/PlayerInput.h"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/System/Vector2.hpp>

#include <cstddef>
#include <string>

constexpr std::size_t MaxSnakes = 40;
constexpr std::size_t MaxPoints = 512;
constexpr float SpawnMass = 80.0f;
constexpr float StepSeconds = 0.016666668f;

// Radius squared for a mass: radius = mass / 150 + 16.
float radiusSquaredFor(float mass);

struct Snake {
    Snake(std::size_t id, sf::Vector2f* pointPool, std::wstring name, sf::Color color, bool isPlayer);
    ~Snake();  // a bot hands its name back
    Snake(const Snake&) = delete;
    Snake& operator=(const Snake&) = delete;

    std::wstring name;
    sf::Vector2f* points;  // this snake's MaxPoints slots of the shared pool; [0] is the head
    sf::Color color;
    float mass = SpawnMass;
    float heading = 0.0f;
    float targetHeading = 0.0f;
    float respawnTimer = 0.0f;
    float thinkTimer = 0.0f;
    bool isPlayer;
    bool boosting = false;
    bool alive = true;
    float speed = 6.3f;
    float radiusSquared;
    std::size_t pointCount = 0;
    float shownScore = -1.0f;  // score the ranking last published; -1 for none yet
    float boostBlend = 0.0f;
    sf::FloatRect bounds;
    std::size_t id;

    float radius() const;
    int score() const;
    std::size_t wantedLength() const;

    // A fresh body of 15 points more than 1200 units from avoidPoint where
    // 50 tries allow; a bot also gets a new name and colour.
    void respawn(sf::Vector2f avoidPoint);
    void updateBounds();
    // One step of turning, speed, boost cost, head, body and length. The
    // player's input is read from `input`; bots ignore it.
    void move(const PlayerInput& input);
    // The first half of a move: turning, speed, boost cost and the head.
    void moveHead(const PlayerInput& input);
    // A bot's decision: back from the rim, away from a body ahead, or on to
    // the nearest pellet. Bots only; stepTime drives the rim weave.
    void steerBot(const SegmentGrid& botSegmentGrid, const SegmentGrid& playerSegmentGrid,
                  const PelletGrid& pelletGrid, float dt, float stepTime);
};

// The second half of a move for several snakes at once: each body follows
// its head and its length moves toward what its mass wants.
void followHeads(Snake* const* snakes, std::size_t count);

float distanceToSegmentSquared(sf::Vector2f p, sf::Vector2f a, sf::Vector2f b);
