#include "TestWorld.h"

#include "sim/BotNames.h"

#include <gtest/gtest.h>

TEST(BotNames, PickDrawsOnceAmongFreeNamesFallsBackWhenAllAreCarriedAndRespawnHandsTheOldOneBack) {
    ASSERT_TRUE(namesInUse.empty());
    std::srand(61);
    const int first = std::rand(), second = std::rand(), third = std::rand();
    std::srand(61);
    EXPECT_EQ(pickBotName(), botNames[static_cast<std::size_t>(first) % 337]);
    EXPECT_TRUE(namesInUse.empty());  // picking is not registering
    for (std::size_t i = 0; i < 10; ++i) registerBotName(botNames[i]);
    EXPECT_EQ(pickBotName(), botNames[10 + static_cast<std::size_t>(second) % 327]);
    EXPECT_EQ(std::rand(), third);

    for (const std::wstring& name : botNames) registerBotName(name);
    std::srand(62);
    const int draw = std::rand();
    std::srand(62);
    EXPECT_EQ(pickBotName(), L"Bot_" + std::to_wstring(draw % 1000));
    std::vector<sf::Vector2f> pool(MaxSnakes * MaxPoints);
    {
        // With every row taken but the bot's own, only that name is free again.
        namesInUse.erase(botNames[0]);
        Snake bot(1, pool.data(), L"", sf::Color::White, false);
        bot.respawn({0.0f, 0.0f});
        bot.respawn({0.0f, 0.0f});
        EXPECT_EQ(bot.name, botNames[0]);
        // The player may carry a table name; it never enters or leaves the registry.
        Snake player(0, pool.data(), botNames[0], sf::Color::Cyan, true);
        player.respawn({0.0f, 0.0f});
        releaseBotName(player);
        EXPECT_EQ(namesInUse.size(), botNames.size());
    }
    EXPECT_EQ(namesInUse.count(botNames[0]), 0u);  // the destroyed bot handed its name back
    namesInUse.clear();
}
