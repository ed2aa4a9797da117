#pragma once

#include "render/SnakeGeometry.h"
#include "render/SnakeTexts.h"
#include "sim/World.h"

#include <SFML/Graphics/CircleShape.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Graphics/VertexArray.hpp>

// The living world of one frame, drawn under the world view: pellets, then
// every snake's shadow, halo and body (three draws in all), the sparks, and
// last the eyes and labels.
class WorldPass {
public:
    // Renders the glow texture (needs a GL context) and makes the disc template.
    void build();
    void draw(sf::RenderTarget& target, const World& world, SnakeTexts& texts, float t);
    // The snakes' shadows, halos and bodies, and one snake's eyes: the icon
    // is drawn with these too.
    void drawSnakes(sf::RenderTarget& target, const std::vector<std::unique_ptr<Snake>>& snakes,
                    const ViewBounds& view, float t);
    void drawEyes(sf::RenderTarget& target, const Snake& snake);

private:
    void drawPellets(sf::RenderTarget& target, const PelletGrid& pelletGrid, const ViewBounds& view, float t);
    void drawSparks(sf::RenderTarget& target, const std::vector<Particle>& particles);
    void drawLabel(sf::RenderTarget& target, const Snake& snake, sf::Text& nameText, float zoom);

    sf::Texture glowTexture;
    sf::VertexArray discTemplate;
    sf::VertexArray pelletVertices;
    SnakeStores stores;
    sf::VertexArray sparkVertices;
    sf::CircleShape eyeWhite{1.0f, 32};
    sf::CircleShape pupil{1.0f, 16};
};
