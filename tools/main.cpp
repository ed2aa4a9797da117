// neonvine-sim: steps the world headless from a seed, checks its invariants
// after every step, times the steps, counts their heap allocations and the
// live snakes they start from, and prints a digest of the final state and
// the platform whose maths made it.

#include "AllocationCounter.h"
#include "AutoPlayer.h"
#include "Crowding.h"
#include "Invariants.h"
#include "MathsPlatform.h"
#include "Options.h"
#include "SeededArena.h"
#include "StateDump.h"
#include "StepStats.h"

#include "sim/World.h"

#include <algorithm>
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int ShownViolations = 10;

struct RunTotals {
    std::vector<double> stepMicros;  // steps after the warm-up
    std::size_t allocations = 0;     // in steps after the warm-up without respawn or refresh
    long violations = 0;
    std::size_t fewestAlive = MaxSnakes;  // live snakes at the start of a timed step, at worst
    double livePoints = 0.0;              // body points of the live snakes, summed over the timed steps
    double liveSnakes = 0.0;
};

// Whether a dead snake's timer runs out in the coming step. Checked before
// the step, since a snake may respawn and die again within it.
bool respawnDue(const World& world) {
    for (const auto& snake : world.snakes)
        if (!snake->alive && snake->respawnTimer - StepSeconds <= 0.0f) return true;
    return false;
}

void recordViolations(int step, const std::vector<std::string>& found, RunTotals& totals) {
    for (const std::string& line : found) {
        if (totals.violations++ < ShownViolations) std::fprintf(stderr, "step %d: %s\n", step, line.c_str());
    }
}

// What the timed step starts from: how many snakes live and how long they are.
void recordPopulation(const World& world, RunTotals& totals) {
    std::size_t alive = 0;
    for (const auto& snake : world.snakes) {
        if (!snake->alive) continue;
        ++alive;
        totals.livePoints += static_cast<double>(snake->pointCount);
    }
    totals.fewestAlive = std::min(totals.fewestAlive, alive);
    totals.liveSnakes += static_cast<double>(alive);
}

PlayerInput playerInput(const World& world, const RunOptions& options, int step) {
    if (options.player == PlayerMode::Auto) return autoPlayerInput(world, step);
    return options.crowded ? crowdedPlayerInput() : PlayerInput();
}

void runStep(World& world, const RunOptions& options, int step, InvariantChecker& checker, RunTotals& totals) {
    if (options.crowded) crowd(world);
    if (step >= options.warmup) recordPopulation(world, totals);
    const PlayerInput input = playerInput(world, options, step);
    const bool respawning = respawnDue(world);
    const std::size_t allocationsBefore = allocationCount();
    const auto start = std::chrono::steady_clock::now();
    world.step(static_cast<float>(step) * StepSeconds, input);
    const auto end = std::chrono::steady_clock::now();
    const std::size_t allocations = allocationCount() - allocationsBefore;
    if (step >= options.warmup) {
        totals.stepMicros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
        if (!respawning && world.rankingTimer != 0.0f) totals.allocations += allocations;
    }
    recordViolations(step, checker.check(world), totals);
}

void printSummary(const World& world, const RunOptions& options, RunTotals& totals) {
    const std::string dump = dumpWorld(world);
    if (options.dump) std::fwrite(dump.data(), 1, dump.size(), stdout);
    std::printf("steps %d\n", options.steps);
    std::printf("median_us %.2f\n", percentile(totals.stepMicros, 0.5));
    std::printf("p99_us %.2f\n", percentile(totals.stepMicros, 0.99));
    std::printf("alive %zu\n", totals.stepMicros.empty() ? 0 : totals.fewestAlive);
    std::printf("mean_points %.1f\n", totals.liveSnakes > 0.0 ? totals.livePoints / totals.liveSnakes : 0.0);
    std::printf("allocations %zu\n", totals.allocations);
    std::printf("violations %ld\n", totals.violations);
    std::printf("digest %016" PRIx64 "\n", fnv1a(dump));
    std::printf("platform %s\n", mathsPlatform().c_str());
}

}  // namespace

int main(int argc, char** argv) {
    const auto options = parseOptions(argc, argv);
    if (!options) return 2;
    const std::unique_ptr<World> world = seededArena(options->seed).world;
    InvariantChecker checker;
    RunTotals totals;
    totals.stepMicros.reserve(static_cast<std::size_t>(options->steps));
    for (int step = 0; step < options->steps; ++step) runStep(*world, *options, step, checker, totals);
    printSummary(*world, *options, totals);
    return totals.violations == 0 ? 0 : 1;
}
