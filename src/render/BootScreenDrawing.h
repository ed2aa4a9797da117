#pragma once

#include "render/Backdrop.h"
#include "render/DecorationCanvas.h"
#include "render/TextString.h"

#include <SFML/Graphics/CircleShape.hpp>
#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/VertexArray.hpp>

#include <string>
#include <vector>

// What the title frame reads of the title screen once its update has run.
struct BootScreenLook {
    const std::wstring& name;
    sf::Color color;  // the chosen one
    const std::vector<sf::CircleShape>& swatches;  // placed, scaled and ringed by the update
    float time;  // the screen's seconds, never reset
};

struct Star {
    float x;  // on a plane, -1000 to 999
    float y;
    float z;  // depth: 1000 far, toward 0 near
    float previousZ;  // z before the last update
};

// The title screen as drawn: the outlined title over stars rushing at the
// viewer, the prompt, the name with its blinking cursor, the swatches and
// the blinking hint. The stars and texts move with each frame; what the
// player chose is read from the screen and never changed here.
class BootScreenDrawing {
public:
    // Makes the stars, three rand() draws each.
    explicit BootScreenDrawing(const sf::Font& font);

    // The title frame: the stars move on and the texts follow the screen,
    // then the backdrop drifting sideways with the screen's time, the star
    // streaks, the texts and the swatches.
    void draw(sf::RenderTarget& target, const BootScreenLook& look, const std::vector<DecorationLayer>& layers,
              DecorationCanvas& canvas);

    sf::Text title;
    sf::Text prompt;
    sf::Text nameLabel;
    sf::Text hint;
    std::vector<Star> stars;
    int starCount = 400;
    float starSpeed = 15.0f;  // depth units per frame

private:
    void layOut(const BootScreenLook& look, sf::Vector2u windowSize);
    void animateTitle(float windowWidth, float time);
    void showName(const std::wstring& name, float windowWidth, float time);
    void animateHint(float windowWidth, float time);

    sf::VertexArray starLines;
    TextString pieces;
};

// The window-free steps of the star field.
std::vector<Star> makeStars(int count);
void updateStars(std::vector<Star>& stars, float speed);
void buildStarLines(const std::vector<Star>& stars, sf::Color color, sf::Vector2f center, sf::VertexArray& lines);
