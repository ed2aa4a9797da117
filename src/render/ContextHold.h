#pragma once

#include <SFML/Window/GlResource.hpp>

// The library makes and frees a small record at every texture bind, unless
// one is held on the thread already: holding one while the window lives
// keeps the frames off the heap. Make it while the window's context is
// active, after the resources that make contexts of their own are built.
class ContextHold : sf::GlResource {
    TransientContextLock lock;
};
