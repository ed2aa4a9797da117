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
        for (auto it = cell.begin(); it != cell.end(); ++it) {
            if (*it != &world.pellets[index]) continue;
            cell.erase(it);
            return true;
        }
    }
    return false;
}

// The single violation found, or a note that there was not exactly one.
std::string onlyViolation(World& world) {
    const std::vector<std::string> found = InvariantChecker().check(world);
    if (found.size() != 1) return std::to_string(found.size()) + " violations";
    return found[0];
}

bool mentions(const std::vector<std::string>& found, const std::string& text) {
    return std::any_of(found.begin(), found.end(),
                       [&](const std::string& line) { return line.find(text) != std::string::npos; });
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) result.push_back(line);
    return result;
}

std::optional<RunOptions> parse(std::vector<const char*> args) {
    args.insert(args.begin(), "neonvine-sim");
    return parseOptions(static_cast<int>(args.size()), const_cast<char**>(args.data()));
}

}  // namespace

TEST(RunnerInvariants, AFreshArenaBreaksNoRule) {
    auto world = seededWorld();
    EXPECT_TRUE(InvariantChecker().check(*world).empty());
}

TEST(RunnerInvariants, CatchEachBrokenPelletBookkeeping) {
    auto world = seededWorld();
    const int inPlay = firstPelletInPlay(*world);
    const int topFree = world->freePellets.back();

    world->pelletGrid[0].push_back(&world->pellets[inPlay]);
    EXPECT_NE(onlyViolation(*world).find("listed 2 times"), std::string::npos);
    world->pelletGrid[0].pop_back();

    ASSERT_TRUE(unlist(*world, inPlay));
    EXPECT_NE(onlyViolation(*world).find("listed 0 times"), std::string::npos);
    world->pelletGrid[0].push_back(&world->pellets[inPlay]);

    world->pelletGrid[0].push_back(&world->pellets[topFree]);
    EXPECT_NE(onlyViolation(*world).find("free pellet " + std::to_string(topFree) + " is listed 1 times"),
              std::string::npos);
    world->pelletGrid[0].pop_back();

    // Same stack size, so the count of pellets in play stays right.
    world->freePellets.back() = inPlay;
    const std::vector<std::string> swapped = InvariantChecker().check(*world);
    ASSERT_EQ(swapped.size(), 2u);
    EXPECT_TRUE(mentions(swapped, "pellet " + std::to_string(inPlay) + " in play is on the free stack"));
    EXPECT_TRUE(mentions(swapped, "free pellet " + std::to_string(topFree) + " is on the free stack 0 times"));

    world->freePellets.back() = world->freePellets.front();
    const std::vector<std::string> doubled = InvariantChecker().check(*world);
    ASSERT_EQ(doubled.size(), 2u);
    EXPECT_TRUE(mentions(doubled, "is on the free stack 2 times"));
    EXPECT_TRUE(mentions(doubled, "free pellet " + std::to_string(topFree) + " is on the free stack 0 times"));

    world->freePellets.back() = topFree;
    EXPECT_TRUE(InvariantChecker().check(*world).empty());
}

TEST(RunnerInvariants, CatchTooFewPelletsInPlay) {
    auto world = seededWorld();
    const int inPlay = firstPelletInPlay(*world);
    ASSERT_TRUE(unlist(*world, inPlay));
    world->pellets[inPlay].isFree = true;
    world->freePellets.push_back(inPlay);
    EXPECT_NE(onlyViolation(*world).find("only 299 pellets"), std::string::npos);
}

TEST(RunnerInvariants, CatchASharedTableNameButNotTheFallbackOrThePlayer) {
    auto world = seededWorld();
    world->player().name = world->snakes[1]->name;
    EXPECT_TRUE(InvariantChecker().check(*world).empty());
    world->snakes[2]->name = world->snakes[3]->name = L"Bot_7";
    EXPECT_TRUE(InvariantChecker().check(*world).empty());
    world->snakes[2]->name = world->snakes[1]->name;
    const std::string row = std::to_string(botNameRow(world->snakes[1]->name));
    EXPECT_NE(onlyViolation(*world).find("row " + row + " carried by two bots"), std::string::npos);
}

TEST(RunnerInvariants, CatchBadBodiesAndNonFiniteNumbers) {
    auto world = seededWorld();
    Snake& bot = *world->snakes[4];
    bot.pointCount = 0;
    EXPECT_NE(onlyViolation(*world).find("has 0 points"), std::string::npos);
    bot.pointCount = MaxPoints + 1;
    EXPECT_NE(onlyViolation(*world).find("has 513 points"), std::string::npos);
    bot.alive = false;
    bot.pointCount = 0;
    EXPECT_TRUE(InvariantChecker().check(*world).empty());

    Snake& other = *world->snakes[5];
    other.heading = NAN;
    EXPECT_NE(onlyViolation(*world).find("heading"), std::string::npos);
    other.heading = 0.0f;
    other.mass = INFINITY;
    EXPECT_NE(onlyViolation(*world).find("mass"), std::string::npos);
    other.mass = 80.0f;
    other.points[other.pointCount - 1].y = NAN;
    EXPECT_NE(onlyViolation(*world).find("point 14"), std::string::npos);
}

TEST(RunnerDump, ListsTheArenaInOrderWithExactFloats) {
    auto world = seededWorld();
    world->particles.push_back(Particle{{1.0f, -3.0f}, {0.0f, 0.5f}, sf::Color(1, 2, 3), 0.25f});
    const int pellet = firstPelletInPlay(*world);
    world->pellets[pellet] = Pellet{{-0.75f, 2048.0f}, 15.0f, sf::Color::White, true, false};
    const std::vector<std::string> text = lines(dumpWorld(*world));

    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.front(), "camera 0x0p+0 0x0p+0 0x1.333334p+1");
    EXPECT_EQ(text.back(), "particle 0x1p+0 -0x1.8p+1 0x0p+0 0x1p-1 1 2 3 0x1p-2");
    EXPECT_EQ(text[text.size() - 2], "free 600 " + std::to_string(world->freePellets.back()));
    EXPECT_EQ(text[1].rfind("snake 0 1 0x1.4p+6 ", 0), 0u);
    EXPECT_EQ(text[1].substr(text[1].size() - 15), " 15 0 255 255 0");

    std::size_t snakes = 0, points = 0, pellets = 0;
    for (const std::string& line : text) {
        snakes += line.rfind("snake ", 0) == 0;
        points += line.rfind("point ", 0) == 0;
        pellets += line.rfind("pellet ", 0) == 0;
    }
    EXPECT_EQ(snakes, 40u);
    EXPECT_EQ(points, 40u * 15u);
    EXPECT_EQ(pellets, 300u);
    const std::string bigPellet = "pellet " + std::to_string(pellet) + " -0x1.8p-1 0x1p+11 0x1.ep+3 255 255 255 1";
    EXPECT_NE(std::find(text.begin(), text.end(), bigPellet), text.end());

    const std::string& bot = text[1 + 16];  // after the player's line and its 15 points
    const std::string row = std::to_string(botNameRow(world->snakes[1]->name));
    EXPECT_EQ(bot.rfind("snake 1 1 ", 0), 0u);
    EXPECT_EQ(bot.substr(bot.size() - row.size() - 1), " " + row);
}

TEST(RunnerDump, DigestIsSixtyFourBitFnv1a) {
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
    EXPECT_FALSE(parse({"--steps", "10"}));
    EXPECT_FALSE(parse({"--seed", "1", "--steps", "-5"}));
    EXPECT_FALSE(parse({"--seed", "1", "--steps", "5x"}));
    EXPECT_FALSE(parse({"--seed", "1", "--steps", "5", "--player", "fast"}));
    EXPECT_FALSE(parse({"--seed", "1", "--steps", "5", "--fast"}));
    EXPECT_FALSE(parse({"--seed", "1", "--steps"}));
    EXPECT_FALSE(parse({"--seed", "4294967296", "--steps", "5"}));
    ::testing::internal::GetCapturedStderr();
}
