#pragma once

#include "render/Backdrop.h"
#include "render/DecorationCanvas.h"
#include "render/TextString.h"
#include "shell/GamepadReading.h"

#include <SFML/Graphics/CircleShape.hpp>
#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Drawable.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/VertexArray.hpp>

#include <string>
#include <vector>

// The devices as the title screen reads them once per frame.
struct BootInput {
    sf::Vector2u windowSize;
    sf::Vector2f mouse;  // relative to the window
    bool leftButton = false;
    GamepadReading gamepad;
};

struct Star {
    float x;  // on a plane, -1000 to 999
    float y;
    float z;  // depth: 1000 far, toward 0 near
    float previousZ;  // z before the last update
};

// The title screen: the outlined title over stars rushing at the viewer, the
// name being typed and the colour swatches. The window's events edit `name`
// and `colorIndex`; update picks colours with the mouse and the gamepad.
class BootScreen : public sf::Drawable {
public:
    explicit BootScreen(const sf::Font& font);

    // Once per title frame, before drawing; dt in seconds.
    void update(const BootInput& input, float dt);
    bool swatchContains(sf::Vector2f point) const;

    sf::Text title;
    sf::Text prompt;
    sf::Text nameLabel;
    sf::Text hint;
    std::vector<sf::CircleShape> swatches;
    int colorIndex = 0;
    std::wstring name = L"あなた";
    std::vector<Star> stars;
    int starCount = 400;
    float starSpeed = 15.0f;  // depth units per update
    std::vector<sf::Color> palette;
    float time = 0.0f;
    bool stickLatched = false;  // a push was used; the pad has not come back to rest

private:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;
    void animateTitle(float windowWidth);
    void showName(float windowWidth);
    void animateHint(float windowWidth);

    sf::VertexArray starLines;  // built by update, drawn as they stand
    TextString pieces;
};

// The title frame: the backdrop drifting sideways with the screen's time,
// then the screen itself.
void drawBootFrame(sf::RenderTarget& target, const std::vector<DecorationLayer>& layers, DecorationCanvas& canvas,
                   const BootScreen& bootScreen);

// The window-free steps of the update and of the star streaks.
std::vector<Star> makeStars(int count);
void updateStars(std::vector<Star>& stars, float speed);
void updateSwatches(std::vector<sf::CircleShape>& swatches, int& colorIndex, const BootInput& input, float time);
void chooseColorWithGamepad(const GamepadReading& pad, int& colorIndex, bool& stickLatched);
void buildStarLines(const std::vector<Star>& stars, sf::Color color, sf::Vector2f center, sf::VertexArray& lines);
