#include "MathsPlatform.h"

#if defined(__GLIBC__)
#include <gnu/libc-version.h>
#endif

namespace {

// The library actually loaded, not the one built against: the maths are its.
std::string cLibrary() {
#if defined(__GLIBC__)
    return std::string("glibc-") + gnu_get_libc_version();
#elif defined(_WIN32)
    return "msvcrt";
#else
    return "unknown";
#endif
}

const char* architecture() {
#if defined(__x86_64__) || defined(_M_X64)
    return "x86_64";
#elif defined(__aarch64__)
    return "aarch64";
#elif defined(__i386__)
    return "i386";
#else
    return "unknown";
#endif
}

}  // namespace

std::string mathsPlatform() { return cLibrary() + "-" + architecture(); }
