#include "StateDump.h"

#include "sim/BotNames.h"
#include "sim/World.h"

#include <cstdarg>
#include <cstdio>

namespace {

__attribute__((format(gnu_printf, 2, 3))) void appendLine(std::string& out, const char* format, ...) {
    char line[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    out += line;
    out += '\n';
}

void appendSnake(std::string& out, const Snake& snake) {
    const int row = snake.isPlayer ? 0 : botNameRow(snake.name);
    appendLine(out, "snake %zu %d %a %a %a %a %d %a %a %a %zu %d %d %d %d", snake.id, snake.alive,
               snake.mass, snake.heading, snake.targetHeading, snake.speed, snake.boosting,
               snake.boostBlend, snake.respawnTimer, snake.thinkTimer, snake.pointCount,
               snake.color.r, snake.color.g, snake.color.b, row);
    for (std::size_t k = 0; k < snake.pointCount; ++k)
        appendLine(out, "point %a %a", snake.points[k].x, snake.points[k].y);
}

void appendPellets(std::string& out, const World& world) {
    for (std::size_t i = 0; i < world.pellets.size(); ++i) {
        const Pellet& p = world.pellets[i];
        if (p.isFree) continue;
        appendLine(out, "pellet %zu %a %a %a %d %d %d %d", i, p.position.x, p.position.y, p.size,
                   p.color.r, p.color.g, p.color.b, p.isBig);
    }
    appendLine(out, "free %zu %d", world.freePellets.size(),
               world.freePellets.empty() ? -1 : world.freePellets.back());
}

void appendParticles(std::string& out, const World& world) {
    for (const Particle& p : world.particles)
        appendLine(out, "particle %a %a %a %a %d %d %d %a", p.position.x, p.position.y, p.velocity.x,
                   p.velocity.y, p.color.r, p.color.g, p.color.b, p.life);
}

void appendRanking(std::string& out, const World& world) {
    std::string line = "ranking";
    char entry[64];
    std::snprintf(entry, sizeof entry, " %a", world.rankingTimer);
    line += entry;
    for (const Snake* snake : world.ranking) {
        std::snprintf(entry, sizeof entry, " %zu %a", snake->id, snake->shownScore);
        line += entry;
    }
    appendLine(out, "%s", line.c_str());
}

}  // namespace

std::string dumpWorld(const World& world) {
    std::string out;
    appendLine(out, "camera %a %a %a", world.cameraCenter.x, world.cameraCenter.y, world.zoom);
    for (const auto& snake : world.snakes) appendSnake(out, *snake);
    appendPellets(out, world);
    appendParticles(out, world);
    appendRanking(out, world);
    return out;
}

std::uint64_t fnv1a(const std::string& text) {
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (unsigned char byte : text) {
        hash ^= byte;
        hash *= 0x100000001b3ull;
    }
    return hash;
}
