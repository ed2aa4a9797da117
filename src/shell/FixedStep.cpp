#include "shell/FixedStep.h"

#include "sim/Snake.h"

#include <algorithm>

float accumulateFrame(float accumulator, float frameSeconds) {
    return accumulator + std::min(frameSeconds, MaxFrameSeconds);
}

int takeSteps(float& accumulator) {
    int steps = 0;
    while (accumulator >= StepSeconds) {
        accumulator -= StepSeconds;
        ++steps;
    }
    return steps;
}
