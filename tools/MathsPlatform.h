#pragma once

#include <string>

// The C library, its version and the architecture this run's maths come
// from, e.g. "glibc-2.36-x86_64": the world reads rand() and the C library's
// float functions, so a seed's digest is the same only where this is.
std::string mathsPlatform();
