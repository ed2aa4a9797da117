#include "Options.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

const char* const Usage =
    "usage: neonvine-sim --seed N --steps N [--player idle|auto] [--crowded] [--dump] [--warmup N]\n";

// Plain decimal digits only: no sign, no blanks, nothing after them.
bool parseCount(const char* text, unsigned long max, unsigned long& value) {
    if (text == nullptr || *text < '0' || *text > '9') return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtoul(text, &end, 10);
    return errno == 0 && *end == '\0' && value <= max;
}

bool parsePlayer(const char* text, PlayerMode& mode) {
    if (text == nullptr) return false;
    if (std::strcmp(text, "idle") == 0) mode = PlayerMode::Idle;
    else if (std::strcmp(text, "auto") == 0) mode = PlayerMode::Auto;
    else return false;
    return true;
}

// One option that takes a value; false when the value is missing or bad.
bool parseValued(const char* flag, const char* value, RunOptions& options, bool& haveSeed,
                 bool& haveSteps, bool& haveWarmup) {
    const unsigned long maxInt = std::numeric_limits<int>::max();
    unsigned long number = 0;
    if (std::strcmp(flag, "--player") == 0) return parsePlayer(value, options.player);
    if (std::strcmp(flag, "--seed") == 0) {
        haveSeed = parseCount(value, std::numeric_limits<unsigned>::max(), number);
        options.seed = static_cast<unsigned>(number);
        return haveSeed;
    }
    if (std::strcmp(flag, "--steps") == 0) {
        haveSteps = parseCount(value, maxInt, number);
        options.steps = static_cast<int>(number);
        return haveSteps;
    }
    haveWarmup = parseCount(value, maxInt, number);
    options.warmup = static_cast<int>(number);
    return haveWarmup;
}

bool takesValue(const char* flag) {
    for (const char* known : {"--seed", "--steps", "--warmup", "--player"})
        if (std::strcmp(flag, known) == 0) return true;
    return false;
}

}  // namespace

std::optional<RunOptions> parseOptions(int argc, char** argv) {
    RunOptions options;
    bool haveSeed = false, haveSteps = false, haveWarmup = false;
    for (int i = 1; i < argc; ++i) {
        const char* flag = argv[i];
        if (std::strcmp(flag, "--crowded") == 0) {
            options.crowded = true;
        } else if (std::strcmp(flag, "--dump") == 0) {
            options.dump = true;
        } else if (!takesValue(flag)) {
            std::fprintf(stderr, "neonvine-sim: unknown option %s\n%s", flag, Usage);
            return std::nullopt;
        } else if (!parseValued(flag, i + 1 < argc ? argv[++i] : nullptr, options, haveSeed,
                                haveSteps, haveWarmup)) {
            std::fprintf(stderr, "neonvine-sim: bad or missing value for %s\n%s", flag, Usage);
            return std::nullopt;
        }
    }
    if (!haveSeed || !haveSteps) {
        std::fputs(Usage, stderr);
        return std::nullopt;
    }
    if (!haveWarmup) options.warmup = std::min(10000, options.steps / 5);
    return options;
}
