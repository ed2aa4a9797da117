#include "sim/BotNames.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <unordered_set>

TEST(BotNameTable, HoldsDistinctPrintableNamesOfOneUnitACharacterFoundByTheirRowFromOne) {
    ASSERT_EQ(botNames.size(), 337u);
    // Some rows by name, row 300 spelt as it stands, not as the idiom usually is.
    EXPECT_EQ(std::make_tuple(botNames[114], botNames[299], botNames[336]),
              std::make_tuple(L"勇者", L"感概多端", L"勇猛果敢"));
    std::unordered_set<std::wstring> seen;
    for (std::size_t n = 0; n < botNames.size(); ++n) {
        const std::wstring& name = botNames[n];
        EXPECT_TRUE(seen.insert(name).second) << n;
        EXPECT_EQ(botNameRow(name), static_cast<int>(n + 1));
        // No control code, no surrogate half, no space at either end.
        EXPECT_TRUE(!name.empty() && name.front() != L' ' && name.back() != L' ') << n;
        for (wchar_t ch : name) {
            const unsigned long c = static_cast<unsigned long>(ch);
            EXPECT_TRUE(c >= 0x20ul && !(c >= 0x7Ful && c <= 0x9Ful) && !(c >= 0xD800ul && c <= 0xDFFFul) &&
                        c <= 0xFFFFul)
                << n;
        }
    }
    EXPECT_EQ(botNameRow(L"Bot_7"), 0);
}
