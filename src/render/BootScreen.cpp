#include "render/BootScreen.h"

#include "render/TextDrawing.h"
#include "shell/Controls.h"

#include <SFML/Graphics/RenderTarget.hpp>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr float SwatchRadius = 22.0f;
constexpr int SwatchesPerRow = PaletteSize / 2;
constexpr float PadPush = 50.0f;
constexpr float PadRest = 10.0f;

const std::vector<sf::Color>& paletteColors() {
    static const std::vector<sf::Color> colors = {
        {0, 255, 255},   {57, 255, 20},    {255, 0, 255},    {255, 255, 50},   {255, 20, 147},  {138, 43, 226},
        {255, 69, 0},    {0, 255, 127},    {255, 255, 255},  {173, 216, 230},  {240, 128, 128}, {144, 238, 144},
        {192, 192, 192}, {218, 165, 32},   {72, 61, 139},    {255, 218, 185},  {0, 128, 128},   {128, 0, 0},
    };
    return colors;
}

float randomPlaneCoordinate() {
    return static_cast<float>(std::rand() % 2000 - 1000);
}

// A font without a face stays off the text: it would measure and draw
// nothing all the same, yet measuring makes a glyph texture and with it an
// OpenGL context, which the window-free frame loop must never need.
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

bool pointerOn(const sf::CircleShape& swatch, sf::Vector2f mouse) {
    return swatch.getGlobalBounds().contains(mouse);
}

bool atRest(float axis) {
    return axis > -PadRest && axis < PadRest;
}

}  // namespace

BootScreen::BootScreen(const sf::Font& font)
    : title(makeText("NEON VINE", font, 100)),
      prompt(makeText(L"名前を入力してください", font, 22)),
      nameLabel(makeText("", font, 60)),
      hint(makeText("PRESS ENTER, CLICK OR BUTTON TO BOOT", font, 18)),
      palette(paletteColors()),
      starLines(sf::Lines) {
    title.setFillColor(sf::Color::Transparent);
    title.setOutlineThickness(2.0f);
    title.setOutlineColor(sf::Color::Cyan);
    prompt.setFillColor(sf::Color(0, 180, 255, 255));
    nameLabel.setFillColor(sf::Color::White);
    hint.setLetterSpacing(2.0f);
    for (const sf::Color& color : palette) {
        sf::CircleShape swatch(SwatchRadius, 32);
        swatch.setFillColor(color);
        swatches.push_back(swatch);
    }
    stars = makeStars(starCount);
}

void BootScreen::update(const BootInput& input, float dt) {
    const float width = static_cast<float>(input.windowSize.x);
    time += dt;
    updateStars(stars, starSpeed);
    animateTitle(width);
    placeCentred(prompt, width / 2.0f, 320.0f);
    showName(width);
    updateSwatches(swatches, colorIndex, input, time);
    if (input.gamepad.connected) chooseColorWithGamepad(input.gamepad, colorIndex, stickLatched);
    animateHint(width);
    const sf::Vector2f center(width / 2.0f, static_cast<float>(input.windowSize.y) / 2.0f);
    buildStarLines(stars, palette[colorIndex], center, starLines);
}

bool BootScreen::swatchContains(sf::Vector2f point) const {
    return std::any_of(swatches.begin(), swatches.end(),
                       [point](const sf::CircleShape& swatch) { return pointerOn(swatch, point); });
}

void BootScreen::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    target.draw(starLines, states);
    drawText(target, title, states);
    drawText(target, prompt, states);
    drawText(target, nameLabel, states);
    for (const sf::CircleShape& swatch : swatches) target.draw(swatch, states);
    drawText(target, hint, states);
}

void BootScreen::animateTitle(float windowWidth) {
    placeCentred(title, windowWidth / 2.0f, 120.0f);
    const int alpha = static_cast<int>(180.0f + 75.0f * std::sin(12.0f * time));
    title.setOutlineColor(sf::Color(0, 255, 255, static_cast<sf::Uint8>(alpha)));
}

// The name with a cursor that blinks every 0.4 s.
void BootScreen::showName(float windowWidth) {
    const bool cursorShown = static_cast<int>(2.5f * time) % 2 == 0;
    (pieces << name << (cursorShown ? "_" : " ")).writeTo(nameLabel);
    placeCentred(nameLabel, windowWidth / 2.0f, 360.0f);
}

// Fades in and out, and stays hidden through the bottom of each fade.
void BootScreen::animateHint(float windowWidth) {
    placeCentred(hint, windowWidth / 2.0f, 720.0f);
    const int alpha = std::max(static_cast<int>(120.0f + 135.0f * std::sin(4.0f * time)), 0);
    hint.setFillColor(sf::Color(255, 255, 255, static_cast<sf::Uint8>(alpha)));
}

void drawBootFrame(sf::RenderTarget& target, const std::vector<DecorationLayer>& layers, DecorationCanvas& canvas,
                   const BootScreen& bootScreen) {
    target.clear(sf::Color(2, 4, 15, 255));
    canvas.draw(layers, target, sf::Vector2f(40.0f * bootScreen.time, 0.0f));
    target.draw(bootScreen);
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

// Holding the button over a swatch chooses it; the choice shows its pulse
// from the next update on. A hovered swatch grows a little.
void updateSwatches(std::vector<sf::CircleShape>& swatches, int& colorIndex, const BootInput& input, float time) {
    const float left = static_cast<float>(input.windowSize.x) / 2.0f - 300.0f;
    for (int i = 0; i < static_cast<int>(swatches.size()); ++i) {
        sf::CircleShape& swatch = swatches[static_cast<std::size_t>(i)];
        const int selected = colorIndex;
        swatch.setOrigin(SwatchRadius, SwatchRadius);
        swatch.setPosition(left + 75.0f * static_cast<float>(i % SwatchesPerRow),
                           550.0f + 65.0f * static_cast<float>(i / SwatchesPerRow));
        const bool hovered = pointerOn(swatch, input.mouse);
        if (hovered && input.leftButton) colorIndex = i;
        if (selected == i) {
            const float scale = 1.3f + 0.1f * std::sin(10.0f * time);
            swatch.setScale(scale, scale);
            swatch.setOutlineThickness(4.0f);
            swatch.setOutlineColor(sf::Color::White);
            continue;
        }
        if (hovered && !input.leftButton) swatch.setScale(1.15f, 1.15f);
        if (!pointerOn(swatch, input.mouse)) swatch.setScale(1.0f, 1.0f);
        swatch.setOutlineThickness(0.0f);
    }
}

// One push moves the choice one step; the pad must come back to rest on
// all four axes before the next. A diagonal counts as left or right.
void chooseColorWithGamepad(const GamepadReading& pad, int& colorIndex, bool& stickLatched) {
    if (stickLatched) {
        stickLatched = !(atRest(pad.povX) && atRest(pad.povY) && atRest(pad.x) && atRest(pad.y));
        return;
    }
    if (pad.povX > PadPush || pad.x > PadPush)
        colorIndex = stepColor(colorIndex, NextColor);
    else if (pad.povX < -PadPush || pad.x < -PadPush)
        colorIndex = stepColor(colorIndex, PreviousColor);
    else if (pad.povY > PadPush || pad.y > PadPush || pad.povY < -PadPush || pad.y < -PadPush)
        colorIndex = stepColor(colorIndex, OtherRowColor);
    else
        return;
    stickLatched = true;
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
