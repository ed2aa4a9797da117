#include "AutoPlayer.h"

#include "sim/World.h"

#include <cmath>

namespace {

constexpr int InputSwitchSteps = 1000;
constexpr int BurstPeriod = 300;
constexpr int BurstSteps = 45;
constexpr float MouseReach = 200.0f;  // pixels from the window centre
constexpr float StickReach = 100.0f;  // full deflection

// From the head toward the nearest pellet in play, length 1; (0, 0) when
// there is none or it lies on the head.
sf::Vector2f towardNearestPellet(const World& world, sf::Vector2f head) {
    sf::Vector2f best;
    float bestSquared = INFINITY;
    for (const Pellet& pellet : world.pellets) {
        if (pellet.isFree) continue;
        const sf::Vector2f d = pellet.position - head;
        const float squared = d.x * d.x + d.y * d.y;
        if (squared < bestSquared) {
            bestSquared = squared;
            best = d;
        }
    }
    if (!(bestSquared > 0.0f) || !std::isfinite(bestSquared)) return {};
    return best / std::sqrt(bestSquared);
}

}  // namespace

PlayerInput autoPlayerInput(const World& world, int step) {
    PlayerInput input;
    const Snake& player = world.player();
    if (!player.alive) return input;
    const sf::Vector2f direction = towardNearestPellet(world, player.points[0]);
    const int burstStep = step % BurstPeriod;
    const bool boost = burstStep < BurstSteps;
    if ((step / InputSwitchSteps) % 2 == 0) {
        input.mouseOffset = direction * MouseReach;
        input.leftButton = boost;
        return input;
    }
    input.useStick = true;
    input.stick = direction * StickReach;
    input.button0 = boost && burstStep < BurstSteps / 2;
    input.button1 = boost && burstStep >= BurstSteps / 2;
    return input;
}
