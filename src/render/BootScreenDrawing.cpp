#include "render/BootScreenDrawing.h"

#include "render/TextDrawing.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

float randomPlaneCoordinate() {
    return static_cast<float>(std::rand() % 2000 - 1000);
}

// A font without a face stays off the text: it would measure and draw
// nothing all the same, yet measuring makes a glyph texture and with it an
// OpenGL context.
sf::Text makeText(const sf::String& string, const sf::Font& font, unsigned int size) {
    sf::Text text;
    text.setString(string);
    text.setCharacterSize(size);
    if (hasFace(font)) text.setFont(font);
    return text;
}

// Horizontally centred on x, top edge at y.
void placeCentred(sf::Text& text, float x, float y) {
    text.setOrigin(text.getLocalBounds().width / 2.0f, 0.0f);
    text.setPosition(x, y);
}

}  // namespace

BootScreenDrawing::BootScreenDrawing(const sf::Font& font)
    : title(makeText("NEON VINE", font, 100)),
      prompt(makeText(L"名前を入力してください", font, 22)),
      nameLabel(makeText("", font, 60)),
      hint(makeText("PRESS ENTER, CLICK OR BUTTON TO BOOT", font, 18)),
      starLines(sf::Lines) {
    title.setFillColor(sf::Color::Transparent);
    title.setOutlineThickness(2.0f);
    title.setOutlineColor(sf::Color::Cyan);
    prompt.setFillColor(sf::Color(0, 180, 255, 255));
    nameLabel.setFillColor(sf::Color::White);
    hint.setLetterSpacing(2.0f);
    stars = makeStars(starCount);
}

void BootScreenDrawing::draw(sf::RenderTarget& target, const BootScreenLook& look,
                             const std::vector<DecorationLayer>& layers, DecorationCanvas& canvas) {
    layOut(look, target.getSize());
    canvas.clearWithLayers(target, sf::Color(2, 4, 15, 255), layers, sf::Vector2f(40.0f * look.time, 0.0f));
    target.draw(starLines);
    drawText(target, title);
    drawText(target, prompt);
    drawText(target, nameLabel);
    for (const sf::CircleShape& swatch : look.swatches) target.draw(swatch);
    drawText(target, hint);
}

void BootScreenDrawing::layOut(const BootScreenLook& look, sf::Vector2u windowSize) {
    const float width = static_cast<float>(windowSize.x);
    updateStars(stars, starSpeed);
    animateTitle(width, look.time);
    placeCentred(prompt, width / 2.0f, 320.0f);
    showName(look.name, width, look.time);
    animateHint(width, look.time);
    buildStarLines(stars, look.color, sf::Vector2f(width / 2.0f, static_cast<float>(windowSize.y) / 2.0f), starLines);
}

void BootScreenDrawing::animateTitle(float windowWidth, float time) {
    placeCentred(title, windowWidth / 2.0f, 120.0f);
    const int alpha = static_cast<int>(180.0f + 75.0f * std::sin(12.0f * time));
    title.setOutlineColor(sf::Color(0, 255, 255, static_cast<sf::Uint8>(alpha)));
}

// The name with a cursor that blinks every 0.4 s.
void BootScreenDrawing::showName(const std::wstring& name, float windowWidth, float time) {
    const bool cursorShown = static_cast<int>(2.5f * time) % 2 == 0;
    (pieces << name << (cursorShown ? "_" : " ")).writeTo(nameLabel);
    placeCentred(nameLabel, windowWidth / 2.0f, 360.0f);
}

// Fades in and out, and stays hidden through the bottom of each fade.
void BootScreenDrawing::animateHint(float windowWidth, float time) {
    placeCentred(hint, windowWidth / 2.0f, 720.0f);
    const int alpha = std::max(static_cast<int>(120.0f + 135.0f * std::sin(4.0f * time)), 0);
    hint.setFillColor(sf::Color(255, 255, 255, static_cast<sf::Uint8>(alpha)));
}

std::vector<Star> makeStars(int count) {
    std::vector<Star> stars(static_cast<std::size_t>(count));
    for (Star& star : stars) {
        star.x = randomPlaneCoordinate();
        star.y = randomPlaneCoordinate();
        star.z = static_cast<float>(std::rand() % 1000);
        star.previousZ = star.z;
    }
    return stars;
}

void updateStars(std::vector<Star>& stars, float speed) {
    for (Star& star : stars) {
        star.previousZ = star.z;
        star.z -= speed;
        if (star.z > 0.0f) continue;
        star.z = 1000.0f;
        star.x = randomPlaneCoordinate();
        star.y = randomPlaneCoordinate();
        star.previousZ = 1000.0f;
    }
}

// Each star streaks from where it was projected before the update to where
// it is now: longer and brighter the nearer it is.
void buildStarLines(const std::vector<Star>& stars, sf::Color color, sf::Vector2f center, sf::VertexArray& lines) {
    lines.clear();
    for (const Star& star : stars) {
        const float k = 400.0f / star.z;
        const float kp = 400.0f / star.previousZ;
        color.a = static_cast<sf::Uint8>(std::min((1.0f - star.z / 1000.0f) * 255.0f, 255.0f));
        lines.append(sf::Vertex(sf::Vector2f(kp * star.x + center.x, kp * star.y + center.y), color));
        lines.append(sf::Vertex(sf::Vector2f(k * star.x + center.x, k * star.y + center.y), color));
    }
}
