#pragma once

class World;

// The worst case: 40 live snakes at the 512-point cap, boosting, and the
// pellet pool filled to its last free record. Called before every step, it
// holds the case: a snake that died in the last step respawns at once and,
// like every other, is fed back to the crowded mass and the full body.
void crowd(World& world);
