#pragma once

class World;

// The worst case: every snake wants the full 512 points and the pellet pool
// is filled to its last free record.
void crowd(World& world);
