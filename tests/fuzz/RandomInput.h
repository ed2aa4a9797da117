#pragma once

#include "shell/GamepadReading.h"

#include <SFML/Window/Event.hpp>

#include <initializer_list>
#include <limits>
#include <random>

// Whatever a person and the machine can throw at the shell, drawn from a
// generator of its own, so the world's rand() draws stay those of the seed.
class RandomInput {
public:
    explicit RandomInput(unsigned seed) : generator(seed) {}

    bool chance(double p) { return std::uniform_real_distribution<double>(0.0, 1.0)(generator) < p; }
    template <typename T>
    T between(T low, T high) { return std::uniform_int_distribution<T>(low, high)(generator); }
    template <typename T>
    T pick(std::initializer_list<T> values) { return values.begin()[between<std::size_t>(0, values.size() - 1)]; }

    // Any kind with any payload, mostly the kinds and keys the shell reacts to, typing on the title; seldom a close.
    sf::Event event(sf::Vector2i mouse, bool onTitle) {
        using E = sf::Event;
        using K = sf::Keyboard;
        sf::Event event{};
        const auto shellKind = pick({E::TextEntered, E::KeyPressed, E::MouseButtonPressed, E::JoystickButtonPressed});
        const auto kind = onTitle && chance(0.5) ? E::TextEntered : shellKind;
        event.type = chance(0.002) ? E::Closed : chance(0.6) ? kind : E::EventType(between<int>(1, E::Count - 1));
        const unsigned pad = chance(0.7) ? 0 : between<unsigned>(0, sf::Joystick::Count - 1);
        const int button = between(0, chance(0.2) ? 1 : sf::Joystick::ButtonCount - 1);
        const auto shellKey = pick({K::Enter, K::Escape, K::F11, K::Left, K::Right, K::Up, K::Down, K::BackSpace});
        const K::Key key = chance(0.5) ? shellKey : K::Key(between<int>(K::Unknown, K::KeyCount - 1));
        switch (event.type) {
        case E::TextEntered: event.text.unicode = codePoint(); break;
        case E::KeyPressed:
        case E::KeyReleased: event.key.code = key; break;  // the shell reads no modifier
        case E::MouseButtonPressed:
        case E::MouseButtonReleased:
            event.mouseButton.button = sf::Mouse::Button(button % sf::Mouse::ButtonCount);
            event.mouseButton.x = mouse.x;
            event.mouseButton.y = mouse.y;
            break;
        case E::JoystickButtonPressed:
        case E::JoystickButtonReleased:
            event.joystickButton.joystickId = pad;
            event.joystickButton.button = unsigned(button);
            break;
        case E::JoystickMoved:
            event.joystickMove.joystickId = pad;
            event.joystickMove.axis = sf::Joystick::Axis(button % sf::Joystick::AxisCount);
            event.joystickMove.position = axis();
            break;
        case E::JoystickConnected:
        case E::JoystickDisconnected: event.joystickConnect.joystickId = pad; break;
        case E::Resized:
            event.size.width = between(0u, 1u << 14);
            event.size.height = between(0u, 1u << 14);
            break;
        default: break;
        }
        return event;
    }

    // Backspace, so that names run from empty to full; printable, C0, DEL, C1, surrogates, Unicode and past it.
    sf::Uint32 codePoint() {
        const auto range = pick<std::pair<sf::Uint32, sf::Uint32>>(
            {{32, 126}, {32, 126}, {0, 0x9F}, {0xD800, 0xDFFF}, {0, 0x10FFFF}, {0x10FFFF, 0x110000}, {0, ~0u}});
        return chance(0.3) ? 8 : between(range.first, range.second);
    }

    // In range, at or beside the thresholds (10, 15, 50) and ends, far out, the largest, infinite.
    float axis() {
        using Limits = std::numeric_limits<float>;
        const float sign = chance(0.5) ? -1.0f : 1.0f;
        if (chance(0.3)) return sign * pick({0.0f, 10.0f, 15.0f, 50.0f, 100.0f}) * pick({0.9999f, 1.0f, 1.0001f});
        if (chance(0.2)) return sign * pick({Limits::max(), Limits::infinity(), Limits::denorm_min()});
        return sign * uniform(0.0f, chance(0.8) ? 100.0f : 1e6f);
    }

    GamepadReading gamepad() { return {chance(0.3), axis(), axis(), axis(), axis()}; }

    // A small move, anywhere in the window, at a swatch, or 16-bit far.
    sf::Vector2i mouse(sf::Vector2i last, sf::Vector2u window) {
        const int width = static_cast<int>(window.x), swatch = between(0, 17);
        const sf::Vector2i onSwatch(width / 2 - 300 + 75 * (swatch % 9), 550 + 65 * (swatch / 9));
        return pick({last + near(8), onSwatch + near(30), {between(0, width), between<int>(0, window.y)}, near(65535)});
    }

    sf::Vector2u windowSize() {
        return pick<sf::Vector2u>({{1280, 720}, {0, 0}, {1, 1}, {between(0u, 1u << 14), between(0u, 1u << 14)}});
    }

    // From none to a minute, with the edges of the step and the clamp.
    float frameSeconds() {
        return chance(0.1) ? pick({0.0f, 0.016666668f, 0.25f, 60.0f}) : uniform(0.0f, chance(0.8) ? 0.05f : 60.0f);
    }

private:
    sf::Vector2i near(int reach) { return {between(-reach, reach), between(-reach, reach)}; }
    float uniform(float low, float high) { return std::uniform_real_distribution<float>(low, high)(generator); }

    std::mt19937 generator;
};
