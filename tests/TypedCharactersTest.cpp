#include "shell/Controls.h"

#include <gtest/gtest.h>

// A window system may hand over any 32-bit value as typed text; only real
// characters may enter the name.
TEST(TypedCharacters, SurrogateHalvesAndValuesPastTheLastCodePointAreRefused) {
    std::wstring name;
    for (sf::Uint32 c : {0xD800u, 0xDBFFu, 0xDC00u, 0xDFFFu, 0x110000u, 0x7FFFFFFFu, 0xFFFFFFFFu}) editName(name, c);
    EXPECT_EQ(name, L"");
    for (sf::Uint32 c : {0xD7FFu, 0xE000u, 0xFFFDu, 0x10FFFFu}) editName(name, c);
    ASSERT_EQ(name.size(), 4u);
    EXPECT_EQ(static_cast<sf::Uint32>(name[3]), 0x10FFFFu);
}

// A 16-bit wchar_t would keep only the low 16 bits of a character past
// U+FFFF, another character: there it is refused, where 32 bits keep it.
TEST(TypedCharacters, PastTheBasicPlaneOnlyWhereAWcharTHoldsItWhole) {
    const struct {
        sf::Uint32 character;
        std::size_t wcharBits;
        bool accepted;
    } cases[] = {{0x41, 16, true},     {0x3042, 16, true},    {0xFFFD, 16, true},   {0x10000, 16, false},
                 {0x1F600, 16, false}, {0x10FFFF, 16, false}, {0xDC00, 16, false},  {0x9F, 16, false},
                 {0x10000, 32, true},  {0x1F600, 32, true},   {0x110000, 32, false}};
    for (const auto& c : cases)
        EXPECT_EQ(isNameCharacter(c.character, c.wcharBits), c.accepted) << std::hex << c.character << " " << c.wcharBits;
}
