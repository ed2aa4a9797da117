#include "TestWorld.h"

#include "shell/Controls.h"
#include "sim/BotNames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

TEST(BotNameTable, HoldsDistinctPrintableNamesOfOneUnitACharacterFoundByTheirRowFromOne) {
    ASSERT_EQ(botNames.size(), 337u);
    // Some rows by name, row 300 spelt as it stands, not as the idiom usually is.
    EXPECT_EQ(std::make_tuple(botNames[114], botNames[299], botNames[336]),
              std::make_tuple(L"勇者", L"感概多端", L"勇猛果敢"));
    std::set<std::wstring> seen;
    for (std::size_t n = 0; n < botNames.size(); ++n) {
        const std::wstring& name = botNames[n];
        EXPECT_TRUE(seen.insert(name).second) << n;
        EXPECT_EQ(botNameRow(name), static_cast<int>(n + 1));
        // No space at either end, and only characters a player could type, even where wchar_t has 16 bits.
        EXPECT_TRUE(!name.empty() && name.front() != L' ' && name.back() != L' ') << n;
        EXPECT_TRUE(std::all_of(name.begin(), name.end(), [](wchar_t c) { return isNameCharacter(c, 16); })) << n;
    }
    EXPECT_EQ(botNameRow(L"Bot_7"), 0);
}

TEST(BotNames, PickAmongFreeNamesFallBackWhenAllAreCarriedAndRespawnHandsTheOldOneBack) {
    ASSERT_TRUE(namesInUse.empty());
    // With every row carried but 11 and 200, the picks spread over those two and register nothing.
    for (const std::wstring& name : botNames) registerBotName(name);
    namesInUse.erase(botNames[10]);
    namesInUse.erase(botNames[199]);
    std::map<std::wstring, int> picks;
    std::srand(61);
    for (int i = 0; i < 200; ++i) ++picks[pickBotName()];
    EXPECT_EQ(std::make_pair(picks.size(), namesInUse.size()), std::make_pair(std::size_t{2}, std::size_t{335}));
    EXPECT_TRUE(picks[botNames[10]] > 70 && picks[botNames[199]] > 70);
    // With all carried, "Bot_" and 0 to 999 without leading zeros.
    for (const std::wstring& name : botNames) registerBotName(name);
    std::set<int> numbers;
    for (int i = 0; i < 10000; ++i) {
        const std::wstring name = pickBotName();
        const int number = std::stoi(name.substr(4));
        ASSERT_EQ(name, L"Bot_" + std::to_wstring(number));
        numbers.insert(number);
    }
    EXPECT_EQ(std::make_tuple(numbers.size(), *numbers.begin(), *numbers.rbegin()), std::make_tuple(1000u, 0, 999));
    {
        // With every row taken but the bot's own, only that name is free again.
        namesInUse.erase(botNames[0]);
        Snake bot(1, loosePool.data(), L"", sf::Color::White, false);
        bot.respawn({0.0f, 0.0f});
        bot.respawn({0.0f, 0.0f});
        EXPECT_EQ(bot.name, botNames[0]);
        // The player may carry a table name; it never enters or leaves the registry.
        Snake player(0, loosePool.data(), botNames[0], sf::Color::Cyan, true);
        player.respawn({0.0f, 0.0f});
        releaseBotName(player);
        EXPECT_EQ(namesInUse.size(), botNames.size());
    }
    EXPECT_EQ(namesInUse.count(botNames[0]), 0u);  // the destroyed bot handed its name back
    namesInUse.clear();
}
