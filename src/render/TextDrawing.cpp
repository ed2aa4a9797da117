#include "render/TextDrawing.h"

#include <SFML/Graphics/Font.hpp>

void drawText(sf::RenderTarget& target, const sf::Text& text, const sf::RenderStates& states) {
    const sf::Font* font = text.getFont();
    if (font && !font->getInfo().family.empty()) target.draw(text, states);
}
