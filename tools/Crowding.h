#pragma once

#include "sim/PlayerInput.h"

class World;

// The worst case: 40 live snakes at the 512-point cap, boosting, and the
// pellet pool filled to its last free record. Called before every step, it
// holds the case: every snake is fed back to the crowded mass and the full
// body and steered round a home of its own, the homes far enough apart that
// no head reaches another body; one that died all the same would respawn at
// once.
void crowd(World& world);

// The player's part in the crowd: boosting, steering left to the hold.
PlayerInput crowdedPlayerInput();
