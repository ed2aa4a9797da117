#include "sim/Arena.h"
#include "sim/Snake.h"

#include <algorithm>
#include <cmath>

namespace {

float turnRate(float mass) {
    const float growth = std::min((mass - 80.0f) / 15000.0f, 0.18f);
    return std::max(0.22f - growth, 0.045f);
}

}  // namespace

void Snake::move(const PlayerInput& input) {
    if (!alive) return;
    moveHead(input);
    Snake* self = this;
    followHeads(&self, 1);
}

void Snake::moveHead(const PlayerInput& input) {
    float rate = turnRate(mass);
    if (isPlayer) {
        if (input.useStick) {
            if (input.stick.x != 0.0f || input.stick.y != 0.0f)
                targetHeading = std::atan2(input.stick.y, input.stick.x);
            boosting = (input.button0 || input.button1) && mass > 120.0f;
        } else {
            const sf::Vector2f d = input.mouseOffset;
            if (d.x * d.x + d.y * d.y > 10.0f) targetHeading = std::atan2(d.y, d.x);
            boosting = input.leftButton && mass > 120.0f;
        }
    }
    if (boosting) rate *= 1.25f;
    heading += wrapAngle(targetHeading - heading) * rate;

    if (boosting) {
        mass -= 0.45f;
        radiusSquared = radiusSquaredFor(mass);
        speed += (11.8f - speed) * 0.021f;
    } else {
        speed += (6.3f - speed) * 0.021f;
    }

    const TrigTable& table = trigTable();
    const int direction = tableIndex(heading);
    points[0].x += speed * table.cosine[direction];
    points[0].y += speed * table.sine[direction];
}

namespace {

// Point k moves 92 % of the way to the spot at the body spacing from its
// already moved predecessor; a point within the spacing stays put.
inline void followPoint(sf::Vector2f* points, std::size_t k, float spacing) {
    const sf::Vector2f leader = points[k - 1];
    const float vx = points[k].x - leader.x;
    const float vy = points[k].y - leader.y;
    const float lengthSquared = vx * vx + vy * vy;
    if (lengthSquared > spacing * spacing) {
        const float scale = spacing / std::sqrt(lengthSquared);
        points[k].x += ((leader.x + vx * scale) - points[k].x) * 0.92f;
        points[k].y += ((leader.y + vy * scale) - points[k].y) * 0.92f;
    }
}

// One point per step toward the length the mass wants; shrinking is at once.
void adjustLength(Snake& snake) {
    const std::size_t wanted = snake.wantedLength();
    if (snake.pointCount < wanted) {
        snake.points[snake.pointCount] = snake.points[snake.pointCount - 1];
        ++snake.pointCount;
    } else if (snake.pointCount > wanted) {
        snake.pointCount = wanted;
    }
}

const std::size_t SideBySide = 12;

}  // namespace

// Each body is one serial chain, every point waiting on the one before it,
// so a few bodies are walked side by side for the processor to overlap.
// Each body's own arithmetic is unchanged.
void followHeads(Snake* const* snakes, std::size_t count) {
    for (std::size_t first = 0; first < count; first += SideBySide) {
        const std::size_t group = std::min(SideBySide, count - first);
        sf::Vector2f* points[SideBySide];
        std::size_t lengths[SideBySide];
        float spacings[SideBySide];
        std::size_t longest = 0;
        for (std::size_t s = 0; s < group; ++s) {
            const Snake& snake = *snakes[first + s];
            points[s] = snake.points;
            lengths[s] = snake.pointCount;
            spacings[s] = std::sqrt(snake.radiusSquared) * 0.04f + 7.8f;
            longest = std::max(longest, lengths[s]);
        }
        for (std::size_t k = 1; k < longest; ++k)
            for (std::size_t s = 0; s < group; ++s)
                if (k < lengths[s]) followPoint(points[s], k, spacings[s]);
        for (std::size_t s = 0; s < group; ++s) adjustLength(*snakes[first + s]);
    }
}
