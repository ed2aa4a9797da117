#pragma once

constexpr float MaxFrameSeconds = 0.25f;

// Adds one frame's time to the accumulator, clamped so that a stall never
// asks for more than 15 steps at once.
float accumulateFrame(float accumulator, float frameSeconds);

// Counts off the whole steps in the accumulator, leaving the remainder there.
int takeSteps(float& accumulator);
