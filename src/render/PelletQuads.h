#pragma once

#include "render/WorldView.h"
#include "sim/Grids.h"

#include <SFML/Graphics/VertexArray.hpp>

// Refills `quads` with one glow quad per live pellet in the grid cells under
// the view (plus a 200-unit margin): pulsing in size and alpha and bobbing
// up and down with the time t. textureSize is the glow texture's width.
void buildPelletQuads(sf::VertexArray& quads, const PelletGrid& pelletGrid, const ViewBounds& view, float t,
                      float textureSize);
