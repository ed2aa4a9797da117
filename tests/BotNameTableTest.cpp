#include "sim/BotNames.h"

#include <gtest/gtest.h>

#include <string>
#include <unordered_set>

namespace {

// 1-based, as the rest of the game counts rows.
const std::wstring& row(std::size_t n) {
    return botNames.at(n - 1);
}

}  // namespace

TEST(BotNameTable, RowsAreUniquePrintableAsLongAsTheirGroupAllowsAndTheFixedOnesKeepTheirText) {
    ASSERT_EQ(botNames.size(), 337u);
    // The eleven groups in table order, with the lengths each allows.
    const struct {
        std::size_t last, minLength, maxLength;
    } groups[] = {{45, 1, 11},  {68, 2, 14}, {113, 2, 12}, {117, 2, 4},  {155, 2, 11}, {173, 4, 4},
                  {204, 3, 10}, {237, 2, 9}, {249, 3, 6},  {290, 4, 11}, {337, 4, 5}};
    std::unordered_set<std::wstring> seen;
    std::size_t n = 1;
    for (const auto& group : groups) {
        for (; n <= group.last; ++n) {
            const std::wstring& name = row(n);
            EXPECT_TRUE(seen.insert(name).second) << n;
            EXPECT_TRUE(name.size() >= group.minLength && name.size() <= group.maxLength) << n;
            // One UTF-16 unit per character, no control code, no edge space.
            for (wchar_t ch : name) {
                const unsigned long c = static_cast<unsigned long>(ch);
                EXPECT_TRUE(c >= 0x20ul && !(c >= 0x7Ful && c <= 0x9Ful) && !(c >= 0xD800ul && c <= 0xDFFFul) &&
                            c <= 0xFFFFul)
                    << n;
            }
            EXPECT_TRUE(name.front() != L' ' && name.back() != L' ') << n;
        }
    }
    const std::pair<std::size_t, const wchar_t*> rows[] = {{46, L"\u2020漆黒の翼\u2020"},
                                                           {58, L"狂気のマッドサイエンティスト"},
                                                           {117, L"スライム"},
                                                           {173, L"五里霧中"},
                                                           {181, L"田中\uFF08概念\uFF09"},
                                                           {235, L"大鷹五郎風Bot"},
                                                           {237, L"五十嵐総理風Bot"},
                                                           {265, L"充電1%"},
                                                           {277, L"NULLポインタ"},
                                                           {300, L"感概多端"},
                                                           {337, L"勇猛果敢"}};
    for (const auto& r : rows) EXPECT_EQ(row(r.first), r.second) << "row " << r.first;
}
