#include "TestWorld.h"

#include "bots/BotNames.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

// Every table name from the given row on, as if bots carried them.
void takeRowsFrom(std::size_t firstIndex) {
    for (std::size_t i = firstIndex; i < botNames.size(); ++i) registerBotName(botNames[i]);
}

std::vector<std::wstring> botNamesOf(const World& world) {
    std::vector<std::wstring> names;
    for (std::size_t id = 1; id < world.snakes.size(); ++id) names.push_back(world.snakes[id]->name);
    return names;
}

}  // namespace

TEST(BotNames, PickDrawsOnceAmongFreeNamesAndFallsBackOnlyWhenAllAreCarried) {
    ASSERT_TRUE(namesInUse.empty());
    std::srand(61);
    const int first = std::rand(), second = std::rand(), third = std::rand();
    std::srand(61);
    EXPECT_EQ(pickBotName(), botNames[static_cast<std::size_t>(first) % 337]);
    EXPECT_TRUE(namesInUse.empty());  // picking is not registering
    for (std::size_t i = 0; i < 10; ++i) registerBotName(botNames[i]);
    EXPECT_EQ(pickBotName(), botNames[10 + static_cast<std::size_t>(second) % 327]);
    EXPECT_EQ(std::rand(), third);

    takeRowsFrom(0);
    std::srand(62);
    const int draw = std::rand();
    std::srand(62);
    const std::wstring fallback = pickBotName();
    EXPECT_EQ(fallback, L"Bot_" + std::to_wstring(draw % 1000));
    registerBotName(fallback);
    // A fallback in use takes no table name away: the one free row is picked.
    namesInUse.erase(botNames[199]);
    EXPECT_EQ(pickBotName(), botNames[199]);
    namesInUse.clear();
}

TEST(BotNames, RespawnHandsTheOldNameBackBeforePickingAndThePlayerStaysOut) {
    ASSERT_TRUE(namesInUse.empty());
    std::vector<sf::Vector2f> pool(MaxSnakes * MaxPoints);
    {
        Snake bot(1, pool.data(), L"", sf::Color::White, false);
        // With every other row taken, only the bot's own name is free again.
        takeRowsFrom(1);
        std::srand(63);
        bot.respawn({0.0f, 0.0f});
        ASSERT_EQ(bot.name, botNames[0]);
        bot.respawn({0.0f, 0.0f});
        EXPECT_EQ(bot.name, botNames[0]);
        EXPECT_EQ(namesInUse.size(), botNames.size());
        // The player may carry a table name; it never enters or leaves the registry.
        Snake player(0, pool.data(), botNames[0], sf::Color::Cyan, true);
        player.respawn({0.0f, 0.0f});
        releaseBotName(player);
        EXPECT_EQ(namesInUse.count(botNames[0]), 1u);
        for (std::size_t i = 1; i < botNames.size(); ++i) namesInUse.erase(botNames[i]);
    }
    EXPECT_TRUE(namesInUse.empty());  // the destroyed bot handed its name back
}

TEST(BotNames, WorldBotsCarryDistinctNamesAndReturnThemAtTheEnd) {
    ASSERT_TRUE(namesInUse.empty());
    std::vector<std::wstring> firstNames;
    {
        std::srand(64);
        World world;
        world.startPlayer(botNames[5], sf::Color::Cyan);
        firstNames = botNamesOf(world);
        int renamed = 0;
        for (int n = 0; n < 3000; ++n) {
            const std::vector<std::wstring> before = botNamesOf(world);
            world.step(static_cast<float>(n) * 0.016666668f, PlayerInput{});
            const std::vector<std::wstring> after = botNamesOf(world);
            for (std::size_t i = 0; i < after.size(); ++i) renamed += after[i] != before[i];
            ASSERT_EQ(std::set<std::wstring>(after.begin(), after.end()).size(), 39u) << n;
            ASSERT_EQ(namesInUse.size(), 39u) << n;
            for (const std::wstring& name : after) ASSERT_NE(botNameRow(name), 0) << n;
        }
        EXPECT_GT(renamed, 0);
    }
    EXPECT_TRUE(namesInUse.empty());
    // All names came back, so the same seed deals the same names again.
    std::srand(64);
    World again;
    EXPECT_EQ(botNamesOf(again), firstNames);
}
