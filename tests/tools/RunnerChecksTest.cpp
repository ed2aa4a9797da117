#include <gtest/gtest.h>

#include "Invariants.h"
#include "Options.h"
#include "StateDump.h"

#include "bots/BotNames.h"
#include "sim/World.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::unique_ptr<World> seededWorld() {
    std::srand(5);
    auto world = std::make_unique<World>();
    world->startPlayer(L"あなた", sf::Color(0, 255, 255));
    return world;
}

int firstPelletInPlay(const World& world) {
    for (std::size_t i = 0; i < world.pellets.size(); ++i)
        if (!world.pellets[i].isFree) return static_cast<int>(i);
    return -1;
}

// Takes pellet `index` out of its grid cell; true if it was listed.
bool unlist(World& world, int index) {
    for (auto& cell : world.pelletGrid) {
        const auto it = std::find(cell.begin(), cell.end(), &world.pellets[index]);
        if (it == cell.end()) continue;
        cell.erase(it);
        return true;
    }
    return false;
}

// Each text must be in some violation, and there must be as many violations as texts.
void expectViolations(const World& world, const std::vector<std::string>& texts) {
    const std::vector<std::string> found = InvariantChecker().check(world);
    EXPECT_EQ(found.size(), texts.size());
    for (const std::string& text : texts)
        EXPECT_TRUE(std::any_of(found.begin(), found.end(), [&](const std::string& line) {
            return line.find(text) != std::string::npos;
        })) << text;
}

std::optional<RunOptions> parse(std::vector<const char*> args) {
    args.insert(args.begin(), "neonvine-sim");
    return parseOptions(static_cast<int>(args.size()), const_cast<char**>(args.data()));
}

}  // namespace

TEST(RunnerInvariants, CatchEachBrokenPelletBookkeepingOnAFreshArena) {
    auto world = seededWorld();
    expectViolations(*world, {});
    const int inPlay = firstPelletInPlay(*world);
    const int topFree = world->freePellets.back();
    const std::string top = std::to_string(topFree);

    world->pelletGrid[0].push_back(&world->pellets[inPlay]);
    expectViolations(*world, {"listed 2 times"});
    world->pelletGrid[0].pop_back();
    ASSERT_TRUE(unlist(*world, inPlay));
    expectViolations(*world, {"listed 0 times"});
    world->pelletGrid[0].push_back(&world->pellets[inPlay]);
    world->pelletGrid[0].push_back(&world->pellets[topFree]);
    expectViolations(*world, {"free pellet " + top + " is listed 1 times"});
    world->pelletGrid[0].pop_back();
    // Same stack size, so the count of pellets in play stays right.
    world->freePellets.back() = inPlay;
    expectViolations(*world, {"pellet " + std::to_string(inPlay) + " in play is on the free stack",
                              "free pellet " + top + " is on the free stack 0 times"});
    world->freePellets.back() = world->freePellets.front();
    expectViolations(*world, {"is on the free stack 2 times", "free pellet " + top + " is on the free stack 0 times"});
    world->freePellets.back() = topFree;
    expectViolations(*world, {});

    ASSERT_TRUE(unlist(*world, inPlay));
    world->pellets[inPlay].isFree = true;
    world->freePellets.push_back(inPlay);
    expectViolations(*world, {"only 299 pellets"});
}

TEST(RunnerInvariants, CatchASharedTableNameButNotTheFallbackOrThePlayer) {
    auto world = seededWorld();
    world->player().name = world->snakes[1]->name;
    world->snakes[2]->name = world->snakes[3]->name = L"Bot_7";
    expectViolations(*world, {});
    world->snakes[2]->name = world->snakes[1]->name;
    expectViolations(*world, {"row " + std::to_string(botNameRow(world->snakes[1]->name)) + " carried by two bots"});
}

TEST(RunnerInvariants, CatchBadBodiesAndNonFiniteNumbers) {
    auto world = seededWorld();
    Snake& bot = *world->snakes[4];
    bot.pointCount = 0;
    expectViolations(*world, {"has 0 points"});
    bot.pointCount = MaxPoints + 1;
    expectViolations(*world, {"has 513 points"});
    bot.alive = false;
    bot.pointCount = 0;
    expectViolations(*world, {});

    Snake& other = *world->snakes[5];
    other.heading = NAN;
    expectViolations(*world, {"heading"});
    other.heading = 0.0f;
    other.mass = INFINITY;
    expectViolations(*world, {"mass"});
    other.mass = 80.0f;
    other.points[other.pointCount - 1].y = NAN;
    expectViolations(*world, {"point 14"});
}

TEST(RunnerDump, ListsTheArenaInOrderWithExactFloatsAndDigestsWithFnv1a) {
    auto world = seededWorld();
    world->particles.push_back(Particle{{1.0f, -3.0f}, {0.0f, 0.5f}, sf::Color(1, 2, 3), 0.25f});
    const int pellet = firstPelletInPlay(*world);
    world->pellets[pellet] = Pellet{{-0.75f, 2048.0f}, 15.0f, sf::Color::White, true, false};
    std::vector<std::string> text;
    std::istringstream in(dumpWorld(*world));
    for (std::string line; std::getline(in, line);) text.push_back(line);

    ASSERT_GT(text.size(), 18u);
    EXPECT_EQ(text.front(), "camera 0x0p+0 0x0p+0 0x1.333334p+1");
    EXPECT_EQ(text.back(), "particle 0x1p+0 -0x1.8p+1 0x0p+0 0x1p-1 1 2 3 0x1p-2");
    EXPECT_EQ(text[text.size() - 2], "free 600 " + std::to_string(world->freePellets.back()));
    EXPECT_EQ(text[1].rfind("snake 0 1 0x1.4p+6 ", 0), 0u);
    EXPECT_EQ(text[1].substr(text[1].size() - 15), " 15 0 255 255 0");
    const auto countOf = [&](const char* prefix) {
        return std::count_if(text.begin(), text.end(), [&](const std::string& line) { return line.rfind(prefix, 0) == 0; });
    };
    EXPECT_EQ(countOf("snake "), 40);
    EXPECT_EQ(countOf("point "), 40 * 15);
    EXPECT_EQ(countOf("pellet "), 300);
    const std::string bigPellet = "pellet " + std::to_string(pellet) + " -0x1.8p-1 0x1p+11 0x1.ep+3 255 255 255 1";
    EXPECT_NE(std::find(text.begin(), text.end(), bigPellet), text.end());
    const std::string& bot = text[1 + 16];  // after the player's line and its 15 points
    const std::string row = std::to_string(botNameRow(world->snakes[1]->name));
    EXPECT_EQ(bot.rfind("snake 1 1 ", 0), 0u);
    EXPECT_EQ(bot.substr(bot.size() - row.size() - 1), " " + row);

    EXPECT_EQ(fnv1a(""), 0xcbf29ce484222325ull);
    EXPECT_EQ(fnv1a("a"), 0xaf63dc4c8601ec8cull);
    EXPECT_EQ(fnv1a("foobar"), 0x85944171f73967e8ull);
}

TEST(RunnerOptions, ReadsFlagsAndRejectsWhatItDoesNotKnow) {
    const auto full = parse({"--seed", "42", "--steps", "500", "--player", "auto", "--crowded", "--dump"});
    ASSERT_TRUE(full);
    EXPECT_EQ(full->seed, 42u);
    EXPECT_EQ(full->steps, 500);
    EXPECT_EQ(full->warmup, 100);
    EXPECT_EQ(full->player, PlayerMode::Auto);
    EXPECT_TRUE(full->crowded && full->dump);
    EXPECT_EQ(parse({"--seed", "1", "--steps", "80000"})->warmup, 10000);
    EXPECT_EQ(parse({"--seed", "1", "--steps", "80000", "--warmup", "0"})->warmup, 0);
    EXPECT_EQ(parse({"--seed", "1", "--steps", "9"})->player, PlayerMode::Idle);

    ::testing::internal::CaptureStderr();
    const std::vector<std::vector<const char*>> rejected = {
        {"--steps", "10"},        {"--seed", "1", "--steps", "-5"},  {"--seed", "1", "--steps", "5x"},
        {"--seed", "1", "--steps", "5", "--player", "fast"},         {"--seed", "1", "--steps", "5", "--fast"},
        {"--seed", "1", "--steps"}, {"--seed", "4294967296", "--steps", "5"}};
    for (const auto& args : rejected) EXPECT_FALSE(parse(args)) << args.size();
    ::testing::internal::GetCapturedStderr();
}
