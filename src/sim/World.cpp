#include "sim/World.h"

#include <algorithm>
#include <cstdlib>

namespace {
const int BotCount = 39;
}

World::World()
    : pointPool(MaxSnakes * MaxPoints),
      pellets(PelletPoolSize),
      botSegmentGrid(MaxSnakes * MaxPoints),
      playerSegmentGrid(MaxPoints),
      pelletGrid(GridCells) {
    freePellets.reserve(PelletPoolSize);
    for (int i = 0; i < PelletPoolSize; ++i) freePellets.push_back(i);
    for (std::vector<Pellet*>& cell : pelletGrid) cell.reserve(64);
    particles.reserve(3000);
    ranking.reserve(MaxSnakes);

    snakes.reserve(MaxSnakes);
    snakes.push_back(std::make_unique<Snake>(0, pointPool.data(), L"あなた", sf::Color::Cyan, true));
    for (int id = 1; id <= BotCount; ++id) {
        snakes.push_back(std::make_unique<Snake>(id, pointPool.data(), L"", sf::Color::White, false));
        snakes.back()->respawn(sf::Vector2f(0.0f, 0.0f));
    }
    for (int i = 0; i < MinLivePellets; ++i) spawnRandomPellet();
    rebuildPelletGrid();
}

void World::startPlayer(const std::wstring& name, sf::Color color) {
    Snake& snake = player();
    snake.name = name;
    snake.color = color;
    snake.respawn(sf::Vector2f(0.0f, 0.0f));
}

void World::step(float stepTime, const PlayerInput& input) {
    // Collisions and bots see the bodies as they stood before anyone moved.
    rebuildSegmentGrids();
    updateSnakes(stepTime, input);
    handleCollisions();
    updateParticles(particles);
    advanceRankingTimer();
    topUpPellets();
    followPlayer();
}

void World::updateSnakes(float stepTime, const PlayerInput& input) {
    // Nothing in this pass reads another snake's body, only a trail pellet
    // reads its own tail; so the other bodies follow their heads together
    // at the end, which is far quicker and gives the same world.
    Snake* following[MaxSnakes] = {};
    std::size_t waiting = 0;
    for (const std::unique_ptr<Snake>& entry : snakes) {
        Snake& snake = *entry;
        if (!snake.alive) {
            snake.respawnTimer -= StepSeconds;
            if (snake.respawnTimer <= 0.0f)
                snake.respawn(player().alive ? player().points[0] : sf::Vector2f(0.0f, 0.0f));
            continue;
        }
        if (snake.pointCount == 0) continue;  // the player before its first spawn
        snake.boostBlend += ((snake.boosting ? 1.0f : 0.0f) - snake.boostBlend) * 0.12f;
        if (!snake.isPlayer)
            snake.steerBot(botSegmentGrid, playerSegmentGrid, pelletGrid, StepSeconds, stepTime);
        snake.moveHead(input);
        if (snake.boosting && std::rand() % 8 == 0) {
            Snake* self = &snake;
            followHeads(&self, 1);
            snake.updateBounds();
            addPellet(snake.points[snake.pointCount - 1], 3.75f, snake.color, false);
        } else {
            following[waiting++] = &snake;
        }
    }
    followHeads(following, waiting);
    for (std::size_t i = 0; i < waiting; ++i) following[i]->updateBounds();
}

void World::advanceRankingTimer() {
    // Summed in single precision this first reaches 1 on the 61st step.
    rankingTimer += StepSeconds;
    if (rankingTimer >= 1.0f) {
        refreshRanking();
        rankingTimer = 0.0f;
    }
}

void World::refreshRanking() {
    ranking.clear();
    for (const std::unique_ptr<Snake>& entry : snakes) {
        Snake& snake = *entry;
        if (!snake.alive) continue;
        snake.shownScore = static_cast<float>(snake.score());
        ranking.push_back(&snake);
    }
    std::sort(ranking.begin(), ranking.end(),
              [](const Snake* a, const Snake* b) { return a->mass > b->mass; });
    ++rankingRefreshes;
}

void World::followPlayer() {
    const Snake& snake = player();
    if (!snake.alive || snake.pointCount == 0) return;
    const sf::Vector2f head = snake.points[0];
    cameraCenter.x += (head.x - cameraCenter.x) * 0.15f;
    cameraCenter.y += (head.y - cameraCenter.y) * 0.15f;
    const float target = std::max(2.6f / (snake.mass / 1200.0f + 1.0f), 0.55f);
    zoom += (target - zoom) * 0.05f;
}
