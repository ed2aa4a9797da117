#pragma once

#include <SFML/Graphics/Text.hpp>
#include <SFML/System/String.hpp>

#include <string>

// Builds a text's string from pieces in storage kept between calls. A
// string made afresh goes to the heap past three characters; this one does
// not once the storage and the text have held one as long. The text is
// rewritten (and laid out anew) only when the pieces differ from its string.
class TextString {
public:
    TextString& operator<<(const char* ascii);
    TextString& operator<<(const std::wstring& text);
    TextString& operator<<(int number);
    // The text takes the pieces; the next pieces start a new string.
    void writeTo(sf::Text& text);

private:
    sf::String pieces;
};
