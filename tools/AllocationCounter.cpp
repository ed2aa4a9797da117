#include "AllocationCounter.h"

#include <cstdlib>
#include <new>

namespace {
std::size_t allocations = 0;  // one thread only
}

std::size_t allocationCount() { return allocations; }

// The array and nothrow forms of the library forward to this one.
void* operator new(std::size_t size) {
    ++allocations;
    if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
    throw std::bad_alloc();
}

void operator delete(void* block) noexcept { std::free(block); }

void operator delete(void* block, std::size_t) noexcept { std::free(block); }
