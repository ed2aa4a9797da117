#include "shell/Controls.h"

#include <gtest/gtest.h>

// A window system may hand over any 32-bit value as typed text; only
// printable characters enter the name, twelve at the most.
TEST(TypedCharacters, OnlyWholePrintableCharactersEnterTheNameUpToTwelveAndBackspaceErases) {
    std::wstring name;
    for (sf::Uint32 c :
         {8u, 9u, 10u, 13u, 27u, 31u, 127u, 0x80u, 0x9Fu, 0xD800u, 0xDBFFu, 0xDC00u, 0xDFFFu, 0x110000u, 0xFFFFFFFFu})
        editName(name, c);
    EXPECT_EQ(name, L"");
    for (sf::Uint32 c : {0x20u, 0xA0u, 0xDFu, 0xD7FFu, 0xE000u, 0xFFFDu, 0x1F40Du, 0x10FFFFu}) editName(name, c);
    ASSERT_EQ(name.size(), 8u);
    EXPECT_EQ(static_cast<sf::Uint32>(name[6]), 0x1F40Du);  // one whole character beyond U+FFFF
    for (wchar_t c : std::wstring(L"abcdef")) editName(name, static_cast<sf::Uint32>(c));
    EXPECT_EQ(name.substr(8), L"abcd");
    editName(name, 8);
    editName(name, L'Z');
    EXPECT_EQ(name.substr(8), L"abcZ");
    // A 16-bit wchar_t would keep only the low 16 bits of a character past U+FFFF, another character: there it is
    // refused, where 32 bits keep it.
    EXPECT_EQ(std::make_tuple(isNameCharacter(0xFFFD, 16), isNameCharacter(0x1F600, 16), isNameCharacter(0xDC00, 16)),
              std::make_tuple(true, false, false));
    EXPECT_EQ(std::make_pair(isNameCharacter(0x1F600, 32), isNameCharacter(0x110000, 32)), std::make_pair(true, false));
}
