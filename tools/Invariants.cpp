#include "Invariants.h"

#include "sim/BotNames.h"
#include "sim/World.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>

namespace {

__attribute__((format(gnu_printf, 2, 3))) void report(std::vector<std::string>& found, const char* format, ...) {
    char line[160];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    found.emplace_back(line);
}

bool finite(sf::Vector2f v) { return std::isfinite(v.x) && std::isfinite(v.y); }

}  // namespace

std::vector<std::string> InvariantChecker::check(const World& world) {
    std::vector<std::string> found;
    checkPellets(world, found);
    checkNames(world, found);
    for (const auto& snake : world.snakes) checkSnake(*snake, found);
    checkFinite(world, found);
    return found;
}

void InvariantChecker::countListings(const World& world, std::vector<std::string>& found) {
    const long poolSize = static_cast<long>(world.pellets.size());
    listings.assign(world.pellets.size(), 0);
    stacked.assign(world.pellets.size(), 0);
    for (std::size_t cell = 0; cell < world.pelletGrid.size(); ++cell) {
        for (const Pellet* p : world.pelletGrid[cell]) {
            const long index = p - world.pellets.data();
            if (index < 0 || index >= poolSize) report(found, "grid cell %zu points outside the pellet pool", cell);
            else ++listings[index];
        }
    }
    for (int index : world.freePellets) {
        if (index < 0 || index >= poolSize) report(found, "free stack holds %d, outside the pellet pool", index);
        else ++stacked[index];
    }
}

void InvariantChecker::checkPellets(const World& world, std::vector<std::string>& found) {
    countListings(world, found);
    for (std::size_t i = 0; i < world.pellets.size(); ++i) {
        if (!world.pellets[i].isFree) {
            if (listings[i] != 1) report(found, "pellet %zu in play is listed %d times in the grid", i, listings[i]);
            if (stacked[i] != 0) report(found, "pellet %zu in play is on the free stack", i);
        } else {
            if (stacked[i] != 1) report(found, "free pellet %zu is on the free stack %d times", i, stacked[i]);
            if (listings[i] != 0) report(found, "free pellet %zu is listed %d times in the grid", i, listings[i]);
        }
    }
    if (world.livePelletCount() < MinLivePellets)
        report(found, "only %d pellets in play", world.livePelletCount());
}

void InvariantChecker::checkNames(const World& world, std::vector<std::string>& found) {
    carriers.assign(botNames.size() + 1, 0);
    for (const auto& snake : world.snakes) {
        if (snake->isPlayer) continue;
        const int row = botNameRow(snake->name);
        if (row > 0 && ++carriers[row] == 2) report(found, "table name of row %d carried by two bots", row);
    }
}

void InvariantChecker::checkSnake(const Snake& snake, std::vector<std::string>& found) {
    if (snake.alive && (snake.pointCount < 1 || snake.pointCount > MaxPoints))
        report(found, "live snake %zu has %zu points", snake.id, snake.pointCount);
    if (!std::isfinite(snake.mass)) report(found, "snake %zu has a mass of %g", snake.id, snake.mass);
    if (!std::isfinite(snake.heading) || !std::isfinite(snake.targetHeading))
        report(found, "snake %zu has a heading of %g toward %g", snake.id, snake.heading, snake.targetHeading);
    const std::size_t count = std::min(snake.pointCount, MaxPoints);
    for (std::size_t k = 0; k < count; ++k)
        if (!finite(snake.points[k])) report(found, "snake %zu has point %zu at (%g, %g)", snake.id, k, snake.points[k].x, snake.points[k].y);
}

void InvariantChecker::checkFinite(const World& world, std::vector<std::string>& found) {
    for (std::size_t i = 0; i < world.pellets.size(); ++i)
        if (!world.pellets[i].isFree && !finite(world.pellets[i].position))
            report(found, "pellet %zu is at (%g, %g)", i, world.pellets[i].position.x, world.pellets[i].position.y);
    for (std::size_t i = 0; i < world.particles.size(); ++i)
        if (!finite(world.particles[i].position) || !finite(world.particles[i].velocity))
            report(found, "particle %zu is not finite", i);
    if (!finite(world.cameraCenter) || !std::isfinite(world.zoom))
        report(found, "camera is not finite");
}
