#pragma once

#include "render/Backdrop.h"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/Shader.hpp>
#include <SFML/Graphics/VertexArray.hpp>
#include <SFML/System/Vector2.hpp>

#include <vector>

// Draws the decoration layers for a fraction of their fill. Seven hexagons
// overlap on a pixel near the arena's centre, and the renderers of machines
// without a GPU pay for every one of them: so the layers are added up on a
// canvas of a quarter of the target's width and height, and each canvas
// texel then covers four by four pixels of the target in one pass. Each
// hexagon still adds its own rounded levels on the canvas, as it would on
// the screen, and the one-level steps of its fade land at most two pixels
// from where a full-size drawing puts them: at most a level or two off.
// The canvas starts from the frame's background, so the pass that lays it
// over the target copies rather than blends, and stands for its clear.
class DecorationCanvas {
public:
    // Clears the target to `background` with the layers, shifted by
    // -parallax x centre under the target's view, added on. Needs a GL
    // context; the canvas is made at the first draw and again when the
    // target's size changes.
    void clearWithLayers(sf::RenderTarget& target, sf::Color background, const std::vector<DecorationLayer>& layers,
                         sf::Vector2f centre);

private:
    sf::FloatRect fit(const sf::RenderTarget& target);
    void prepareCopy();

    sf::RenderTexture canvas;
    sf::VertexArray cover{sf::Quads, 4};  // the canvas laid over the target's view
    sf::Shader copyTexels;                // loaded with the canvas, where shaders run
};
