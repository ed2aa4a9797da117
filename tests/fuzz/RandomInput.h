#pragma once

#include "shell/GamepadReading.h"

#include <SFML/System/Vector2.hpp>
#include <SFML/Window/Event.hpp>

#include <cstdint>
#include <random>

// A seeded source of whatever a person and the machine can throw at the
// shell: events of every kind with any payload, device readings at any
// value and frame times from nothing to a minute. Its own generator, so the
// world's rand() draws stay those of the seed.
class RandomInput {
public:
    explicit RandomInput(std::uint32_t seed);

    bool chance(double p);
    int below(int n);  // 0 .. n - 1

    sf::Event event(sf::Vector2u windowSize);
    sf::Uint32 codePoint();
    sf::Keyboard::Key key();
    // A stick or pad axis: in range, at the thresholds, far out of range,
    // infinite; never NaN.
    float axis();
    GamepadReading gamepad(bool connected);
    // Mostly a small move from `last`, sometimes anywhere in the window, on
    // a colour swatch or far outside it.
    sf::Vector2i mouse(sf::Vector2i last, sf::Vector2u windowSize);
    sf::Vector2u windowSize();
    float frameSeconds();

private:
    float uniform(float low, float high);
    int between(int low, int high);  // inclusive

    std::mt19937 generator;
};
