#include "sim/Snake.h"

#include "sim/Arena.h"
#include "sim/BotNames.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace {

// One channel full, one of the other two bright, the third dim.
sf::Color randomBotColor() {
    const int full = std::rand() % 3;
    int channels[3];
    channels[0] = std::rand() % 100;
    channels[1] = std::rand() % 100;
    channels[2] = std::rand() % 100;
    channels[full] = 255;
    const int bright = std::rand() % 106 + 150;
    const int skip = std::rand() % 2;
    channels[(full + 1 + skip) % 3] = bright;
    return sf::Color(static_cast<sf::Uint8>(channels[0]), static_cast<sf::Uint8>(channels[1]),
                     static_cast<sf::Uint8>(channels[2]), 255);
}

// A random point within 3000 units of the centre, more than 1200 from
// avoidPoint unless 50 tries find none.
sf::Vector2f spawnPoint(sf::Vector2f avoidPoint) {
    const TrigTable& table = trigTable();
    sf::Vector2f point;
    for (int attempt = 0; attempt < 50; ++attempt) {
        const int index = degreeIndex(std::rand() % 360);
        const float distance = static_cast<float>(std::rand() % 3000);
        point = sf::Vector2f(distance * table.cosine[index], distance * table.sine[index]);
        const float dx = point.x - avoidPoint.x;
        const float dy = point.y - avoidPoint.y;
        if (dx * dx + dy * dy > 1.44e6f) break;
    }
    return point;
}

}  // namespace

float radiusSquaredFor(float mass) {
    const float radius = mass / 150.0f + 16.0f;
    return radius * radius;
}

Snake::Snake(std::size_t id, sf::Vector2f* pointPool, std::wstring name, sf::Color color, bool isPlayer)
    : name(std::move(name)),
      points(pointPool + id * MaxPoints),
      color(color),
      isPlayer(isPlayer),
      radiusSquared(radiusSquaredFor(SpawnMass)),
      id(id) {}

Snake::~Snake() {
    releaseBotName(*this);
}

float Snake::radius() const {
    return std::sqrt(radiusSquared);
}

int Snake::score() const {
    const float above = mass - SpawnMass;
    return above > 0.0f ? static_cast<int>(above) : 0;
}

std::size_t Snake::wantedLength() const {
    const float grown = std::sqrt(std::max(mass - SpawnMass, 0.0f) * 8.0f) + 15.0f;
    return std::min(MaxPoints, static_cast<std::size_t>(grown));
}

void Snake::respawn(sf::Vector2f avoidPoint) {
    if (!isPlayer) {
        releaseBotName(*this);
        name = pickBotName();
        color = randomBotColor();
        registerBotName(name);
    }
    mass = SpawnMass;
    radiusSquared = radiusSquaredFor(mass);
    shownScore = -1.0f;
    boostBlend = 0.0f;

    const sf::Vector2f start = spawnPoint(avoidPoint);
    pointCount = 15;
    std::fill(points, points + pointCount, start);

    const int degrees = std::rand() % 360;
    heading = degreesToRadians(degrees);
    targetHeading = heading;
    alive = true;
    speed = 6.3f;
    updateBounds();
}

void Snake::updateBounds() {
    if (!alive || pointCount == 0) return;
    const float margin = std::sqrt(radiusSquared) + 10.0f;
    float minX = points[0].x, maxX = points[0].x, minY = points[0].y, maxY = points[0].y;
    for (std::size_t i = 1; i < pointCount; ++i) {
        minX = std::min(minX, points[i].x);
        maxX = std::max(maxX, points[i].x);
        minY = std::min(minY, points[i].y);
        maxY = std::max(maxY, points[i].y);
    }
    bounds = sf::FloatRect(minX - margin, minY - margin, (maxX - minX) + 2.0f * margin,
                           (maxY - minY) + 2.0f * margin);
}
