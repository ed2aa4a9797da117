#include "render/TextDrawing.h"

bool hasFace(const sf::Font& font) {
    return !font.getInfo().family.empty();
}

void drawText(sf::RenderTarget& target, const sf::Text& text, const sf::RenderStates& states) {
    const sf::Font* font = text.getFont();
    if (font && hasFace(*font)) target.draw(text, states);
}
