#include "bots/BotNames.h"

#include <gtest/gtest.h>

#include <string>
#include <unordered_set>

namespace {

// 1-based, as the rest of the game counts rows.
const std::wstring& row(std::size_t n) { return botNames.at(n - 1); }

}  // namespace

TEST(BotNameTable, EveryRowIsUniquePrintableAndAsLongAsItsGroupAllows) {
    ASSERT_EQ(botNames.size(), 337u);
    // The eleven groups in table order, covering every row, with the lengths each allows.
    const struct {
        std::size_t last, minLength, maxLength;
    } groups[] = {{45, 1, 11},  {68, 2, 14},  {113, 2, 12}, {117, 2, 4}, {155, 2, 11}, {173, 4, 4},
                  {204, 3, 10}, {237, 2, 9},  {249, 3, 6},  {290, 4, 11}, {337, 4, 5}};
    std::unordered_set<std::wstring> seen;
    std::size_t n = 1;
    for (const auto& group : groups) {
        for (; n <= group.last; ++n) {
            SCOPED_TRACE(testing::Message() << "row " << n);
            const std::wstring& name = row(n);
            EXPECT_TRUE(seen.insert(name).second) << "repeats an earlier name";
            EXPECT_GE(name.size(), group.minLength);
            EXPECT_LE(name.size(), group.maxLength);
            // Labels take one UTF-16 unit per character: no surrogate or control code, no edge space.
            for (wchar_t ch : name) {
                const unsigned long c = static_cast<unsigned long>(ch);
                EXPECT_TRUE(c <= 0xFFFFul && !(c >= 0xD800ul && c <= 0xDFFFul) && c >= 0x20ul &&
                            !(c >= 0x7Ful && c <= 0x9Ful))
                    << std::hex << c;
            }
            EXPECT_NE(name.front(), L' ');
            EXPECT_NE(name.back(), L' ');
        }
    }
    // Rows with one allowed length inside a wider group; one five-character idiom at the close.
    EXPECT_EQ(row(56).size(), 8u);
    EXPECT_EQ(row(185).size(), 7u);
    EXPECT_EQ(row(259).size(), 5u);
    int fiveLong = 0;
    for (std::size_t k = 291; k <= 337; ++k) fiveLong += row(k).size() == 5;
    EXPECT_EQ(fiveLong, 1);
}

TEST(BotNameTable, FixedRowsKeepTheirExactText) {
    ASSERT_EQ(botNames.size(), 337u);
    // Group boundaries, rows with unusual characters, and 235-237 ending in 風Bot.
    const std::pair<std::size_t, const wchar_t*> rows[] = {
        {46, L"\u2020漆黒の翼\u2020"}, {58, L"狂気のマッドサイエンティスト"}, {68, L"神殺しの剣"},
        {114, L"ハンター"},            {117, L"スライム"},                    {156, L"一石二鳥"},
        {173, L"五里霧中"},            {174, L"にょろり"},                    {181, L"田中\uFF08概念\uFF09"},
        {204, L"高級食パン"},          {234, L"名人・橘宗右衛門"},            {235, L"大鷹五郎風Bot"},
        {236, L"白樺玲奈風Bot"},       {237, L"五十嵐総理風Bot"},             {250, L"ねこまる"},
        {265, L"充電1%"},              {277, L"NULLポインタ"},                {290, L"神引きの奇跡"},
        {291, L"天衣無縫"},            {300, L"感概多端"},                    {330, L"摩訶不思議"},
        {337, L"勇猛果敢"}};
    for (const auto& r : rows) EXPECT_EQ(row(r.first), r.second) << "row " << r.first;
}
