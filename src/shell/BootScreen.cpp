#include "shell/BootScreen.h"

#include "shell/Controls.h"

#include <algorithm>
#include <cmath>

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

bool pointerOn(const sf::CircleShape& swatch, sf::Vector2f mouse) {
    return swatch.getGlobalBounds().contains(mouse);
}

bool atRest(float axis) {
    return axis > -PadRest && axis < PadRest;
}

}  // namespace

BootScreen::BootScreen() : palette(paletteColors()) {
    for (const sf::Color& color : palette) {
        sf::CircleShape swatch(SwatchRadius, 32);
        swatch.setFillColor(color);
        swatches.push_back(swatch);
    }
}

void BootScreen::update(const BootInput& input, float dt) {
    time += dt;
    updateSwatches(swatches, colorIndex, input, time);
    if (input.gamepad.connected) chooseColorWithGamepad(input.gamepad, colorIndex, stickLatched);
}

bool BootScreen::swatchContains(sf::Vector2f point) const {
    return std::any_of(swatches.begin(), swatches.end(),
                       [point](const sf::CircleShape& swatch) { return pointerOn(swatch, point); });
}

sf::Color BootScreen::chosenColor() const {
    return palette[static_cast<std::size_t>(colorIndex)];
}

BootScreenLook BootScreen::look() const {
    return {name, chosenColor(), swatches, time};
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
