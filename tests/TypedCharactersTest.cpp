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
