#include "render/TextString.h"

#include <cstdio>

TextString& TextString::operator<<(const char* ascii) {
    for (; *ascii != '\0'; ++ascii) pieces += sf::String(static_cast<sf::Uint32>(*ascii));
    return *this;
}

// A wide character is taken as one code point, as the library's own
// conversion from wide strings does.
TextString& TextString::operator<<(const std::wstring& text) {
    for (const wchar_t c : text) pieces += sf::String(static_cast<sf::Uint32>(c));
    return *this;
}

TextString& TextString::operator<<(int number) {
    char digits[12];
    std::snprintf(digits, sizeof digits, "%d", number);
    return *this << digits;
}

void TextString::writeTo(sf::Text& text) {
    text.setString(pieces);
    pieces.clear();
}
