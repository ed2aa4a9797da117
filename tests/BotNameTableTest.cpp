#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <unordered_set>

#include "bots/BotNames.h"

namespace {

// The table's row at 1-based position, as the rest of the game counts rows.
const std::wstring& row(std::size_t n) { return botNames.at(n - 1); }

struct Group {
    std::size_t first;
    std::size_t last;
    std::size_t minLength;
    std::size_t maxLength;
};

// The eleven groups of rows in table order, with the length each allows.
const Group kGroups[] = {
    {1, 45, 1, 11},     // creator and streamer handles
    {46, 68, 2, 14},    // grandiose titles
    {69, 113, 2, 12},   // character names
    {114, 117, 2, 4},   // fantasy roles
    {118, 155, 2, 11},  // stage names
    {156, 173, 4, 4},   // idioms
    {174, 204, 3, 10},  // joke handles
    {205, 237, 2, 9},   // personal names
    {238, 249, 3, 6},   // period names
    {250, 290, 4, 11},  // joke handles
    {291, 337, 4, 5},   // idioms
};

}  // namespace

TEST(BotNameTable, HasAllRowsEachOnce) {
    ASSERT_EQ(botNames.size(), 337u);

    std::unordered_set<std::wstring> seen;
    for (std::size_t n = 1; n <= botNames.size(); ++n) {
        EXPECT_TRUE(seen.insert(row(n)).second) << "row " << n << " repeats an earlier name";
    }
}

TEST(BotNameTable, RowLengthsFitTheirGroup) {
    ASSERT_EQ(botNames.size(), 337u);

    // The groups must cover every row with no gap, or a row would go unchecked.
    std::size_t expectedFirst = 1;
    for (const Group& g : kGroups) {
        ASSERT_EQ(g.first, expectedFirst);
        for (std::size_t n = g.first; n <= g.last; ++n) {
            const std::size_t len = row(n).size();
            EXPECT_GE(len, g.minLength) << "row " << n;
            EXPECT_LE(len, g.maxLength) << "row " << n;
        }
        expectedFirst = g.last + 1;
    }
    EXPECT_EQ(expectedFirst, 338u);

    // Rows with a single allowed length inside a wider group.
    EXPECT_EQ(row(56).size(), 8u);
    EXPECT_EQ(row(185).size(), 7u);
    EXPECT_EQ(row(259).size(), 5u);

    // Only one idiom in the closing group runs to five characters.
    int fiveLong = 0;
    for (std::size_t n = 291; n <= 337; ++n) {
        if (row(n).size() == 5) ++fiveLong;
    }
    EXPECT_EQ(fiveLong, 1);
}

TEST(BotNameTable, EveryCharacterIsPrintableAndInTheBasicPlane) {
    // Labels assume one UTF-16 unit per character; a stray control or
    // surrogate code would render as garbage above a snake's head.
    for (std::size_t n = 1; n <= botNames.size(); ++n) {
        const std::wstring& name = row(n);
        EXPECT_FALSE(name.empty()) << "row " << n;
        for (wchar_t ch : name) {
            const unsigned long c = static_cast<unsigned long>(ch);
            EXPECT_LE(c, 0xFFFFul) << "row " << n;
            EXPECT_FALSE(c >= 0xD800ul && c <= 0xDFFFul) << "row " << n;
            EXPECT_FALSE(c < 0x20ul || (c >= 0x7Ful && c <= 0x9Ful)) << "row " << n;
        }
        EXPECT_NE(name.front(), L' ') << "row " << n;
        EXPECT_NE(name.back(), L' ') << "row " << n;
    }
}

TEST(BotNameTable, FixedRowsKeepTheirExactText) {
    ASSERT_EQ(botNames.size(), 337u);

    // Each group boundary and the rows with unusual characters.
    EXPECT_EQ(row(46), L"\u2020漆黒の翼\u2020");
    EXPECT_EQ(row(58), L"狂気のマッドサイエンティスト");
    EXPECT_EQ(row(68), L"神殺しの剣");
    EXPECT_EQ(row(114), L"ハンター");
    EXPECT_EQ(row(117), L"スライム");
    EXPECT_EQ(row(156), L"一石二鳥");
    EXPECT_EQ(row(173), L"五里霧中");
    EXPECT_EQ(row(174), L"にょろり");
    EXPECT_EQ(row(181), L"田中\uFF08概念\uFF09");
    EXPECT_EQ(row(204), L"高級食パン");
    EXPECT_EQ(row(250), L"ねこまる");
    EXPECT_EQ(row(265), L"充電1%");
    EXPECT_EQ(row(277), L"NULLポインタ");
    EXPECT_EQ(row(290), L"神引きの奇跡");
    EXPECT_EQ(row(291), L"天衣無縫");
    EXPECT_EQ(row(300), L"感概多端");
    EXPECT_EQ(row(330), L"摩訶不思議");
    EXPECT_EQ(row(337), L"勇猛果敢");
}

TEST(BotNameTable, CelebrityStyleRowsEndInBotMarker) {
    ASSERT_EQ(botNames.size(), 337u);

    const std::wstring marker = L"風Bot";
    int marked = 0;
    for (std::size_t n = 234; n <= 237; ++n) {
        const std::wstring& name = row(n);
        if (name.size() > marker.size() &&
            name.compare(name.size() - marker.size(), marker.size(), marker) == 0) {
            ++marked;
        }
    }
    EXPECT_EQ(marked, 3);

    EXPECT_EQ(row(234), L"名人・橘宗右衛門");
    EXPECT_EQ(row(235), L"大鷹五郎風Bot");
    EXPECT_EQ(row(236), L"白樺玲奈風Bot");
    EXPECT_EQ(row(237), L"五十嵐総理風Bot");
}
