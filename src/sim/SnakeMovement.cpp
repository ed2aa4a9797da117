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

    // Each point follows its already moved predecessor to the body spacing.
    const float spacing = std::sqrt(radiusSquared) * 0.04f + 7.8f;
    for (std::size_t k = 1; k < pointCount; ++k) {
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

    const std::size_t wanted = wantedLength();
    if (pointCount < wanted) {
        points[pointCount] = points[pointCount - 1];
        ++pointCount;
    } else if (pointCount > wanted) {
        pointCount = wanted;
    }
}
