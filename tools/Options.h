#pragma once

#include <optional>

enum class PlayerMode { Idle, Auto };

struct RunOptions {
    unsigned seed = 0;
    int steps = 0;
    int warmup = 0;  // leading steps left out of the timings and the allocation count
    PlayerMode player = PlayerMode::Idle;
    bool crowded = false;  // the worst case held before every step; the idle player boosts
    bool dump = false;
};

// The command line, or nothing (after a message on stderr) when it is not
// understood. --seed and --steps are required; --warmup defaults to
// min(10000, steps / 5).
std::optional<RunOptions> parseOptions(int argc, char** argv);
