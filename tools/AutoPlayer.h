#pragma once

#include "sim/PlayerInput.h"

class World;

// A scripted player for step n: heads for the nearest pellet in play and
// boosts in bursts, with the mouse for 1000 steps, then with the stick and
// both gamepad buttons for 1000, and so on, so every input path runs.
PlayerInput autoPlayerInput(const World& world, int step);
