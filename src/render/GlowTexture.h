#pragma once

#include <SFML/Graphics/Texture.hpp>

// The 128 x 128 white radial glow every pellet is drawn with: stacked
// translucent discs under a bright core, on a transparent ground. Needs a
// GL context.
void buildGlowTexture(sf::Texture& glowTexture);
