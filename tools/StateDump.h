#pragma once

#include <cstdint>
#include <string>

class World;

// The whole world state as text, one record a line, every float in %a form:
// the camera, each snake with its points, the pellets in play in pool order,
// the free stack, the particles, and the ranking's timer with the id and
// published score of every snake it lists.
std::string dumpWorld(const World& world);

// 64-bit FNV-1a.
std::uint64_t fnv1a(const std::string& text);
