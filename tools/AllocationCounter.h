#pragma once

#include <cstddef>

// Heap allocations made through operator new since the program started.
// The runner replaces the global operator new to count them.
std::size_t allocationCount();
