#include "RandomInput.h"

#include <array>
#include <cstdlib>
#include <limits>

namespace {

constexpr float Infinity = std::numeric_limits<float>::infinity();
constexpr float Largest = std::numeric_limits<float>::max();
constexpr float Tiny = std::numeric_limits<float>::denorm_min();

// The keys the shell reacts to, drawn more often than the rest.
constexpr std::array<sf::Keyboard::Key, 8> ShellKeys = {
    sf::Keyboard::Enter, sf::Keyboard::Escape, sf::Keyboard::F11,  sf::Keyboard::Left,
    sf::Keyboard::Right, sf::Keyboard::Up,     sf::Keyboard::Down, sf::Keyboard::BackSpace,
};

// Values an axis compares against: the stick's dead zone, the pad's push
// and rest, the ends of the range.
constexpr std::array<float, 5> AxisEdges = {10.0f, 15.0f, 50.0f, 100.0f, 0.0f};

}  // namespace

RandomInput::RandomInput(std::uint32_t seed) : generator(seed) {}

bool RandomInput::chance(double p) {
    return std::uniform_real_distribution<double>(0.0, 1.0)(generator) < p;
}

int RandomInput::below(int n) {
    return between(0, n - 1);
}

int RandomInput::between(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(generator);
}

float RandomInput::uniform(float low, float high) {
    return std::uniform_real_distribution<float>(low, high)(generator);
}

sf::Event RandomInput::event(sf::Vector2u windowSize) {
    sf::Event event{};
    const int roll = below(1000);
    if (roll < 300) {
        event.type = sf::Event::TextEntered;
        event.text.unicode = codePoint();
    } else if (roll < 560) {
        event.type = chance(0.85) ? sf::Event::KeyPressed : sf::Event::KeyReleased;
        event.key = {key(), chance(0.1), chance(0.1), chance(0.1), chance(0.1)};
    } else if (roll < 700) {
        event.type = chance(0.8) ? sf::Event::MouseButtonPressed : sf::Event::MouseButtonReleased;
        const sf::Vector2i at = mouse({}, windowSize);
        event.mouseButton = {static_cast<sf::Mouse::Button>(below(sf::Mouse::ButtonCount)), at.x, at.y};
    } else if (roll < 800) {
        event.type = chance(0.8) ? sf::Event::JoystickButtonPressed : sf::Event::JoystickButtonReleased;
        event.joystickButton = {static_cast<unsigned>(below(3) == 0 ? below(sf::Joystick::Count) : 0),
                                static_cast<unsigned>(chance(0.6) ? below(2) : below(sf::Joystick::ButtonCount))};
    } else if (roll < 850) {
        event.type = chance(0.5) ? sf::Event::JoystickConnected : sf::Event::JoystickDisconnected;
        event.joystickConnect = {static_cast<unsigned>(chance(0.7) ? 0 : below(sf::Joystick::Count))};
    } else if (roll < 900) {
        event.type = sf::Event::JoystickMoved;
        event.joystickMove = {0, static_cast<sf::Joystick::Axis>(below(sf::Joystick::AxisCount)), axis()};
    } else if (roll < 940) {
        event.type = sf::Event::MouseMoved;
        const sf::Vector2i at = mouse({}, windowSize);
        event.mouseMove = {at.x, at.y};
    } else if (roll < 960) {
        event.type = sf::Event::Resized;
        const sf::Vector2u size = this->windowSize();
        event.size = {size.x, size.y};
    } else if (roll < 975) {
        event.type = sf::Event::MouseWheelScrolled;
        event.mouseWheelScroll = {static_cast<sf::Mouse::Wheel>(below(2)), uniform(-1e6f, 1e6f), 0, 0};
    } else if (roll < 998) {
        event.type = static_cast<sf::Event::EventType>(between(sf::Event::LostFocus, sf::Event::GainedFocus));
        if (chance(0.5)) event.type = chance(0.5) ? sf::Event::MouseEntered : sf::Event::MouseLeft;
    } else {
        event.type = sf::Event::Closed;
    }
    return event;
}

sf::Uint32 RandomInput::codePoint() {
    const int roll = below(100);
    if (roll < 25) return static_cast<sf::Uint32>(between(32, 126));
    if (roll < 35) return 8;  // backspace
    if (roll < 45) return static_cast<sf::Uint32>(chance(0.6) ? below(32) : between(127, 0x9F));
    if (roll < 55) return static_cast<sf::Uint32>(between(0xD800, 0xDFFF));
    if (roll < 70) return static_cast<sf::Uint32>(between(0xA0, 0xFFFF));
    if (roll < 85) return static_cast<sf::Uint32>(between(0x10000, 0x10FFFF));
    if (roll < 95) return std::uniform_int_distribution<sf::Uint32>(0x110000, 0xFFFFFFFF)(generator);
    constexpr std::array<sf::Uint32, 6> oddOnes = {0xFFFE, 0xFFFF, 0xFDD0, 0x10FFFF, 0x200B, 0x202E};
    return oddOnes[static_cast<std::size_t>(below(oddOnes.size()))];
}

sf::Keyboard::Key RandomInput::key() {
    if (chance(0.4)) {
        const sf::Keyboard::Key key = ShellKeys[static_cast<std::size_t>(below(ShellKeys.size()))];
        // Escape on the title ends the session: keep it rare.
        return key == sf::Keyboard::Escape && chance(0.7) ? sf::Keyboard::Enter : key;
    }
    return static_cast<sf::Keyboard::Key>(between(sf::Keyboard::Unknown, sf::Keyboard::KeyCount - 1));
}

float RandomInput::axis() {
    const int roll = below(100);
    const float sign = chance(0.5) ? -1.0f : 1.0f;
    if (roll < 25) return uniform(-100.0f, 100.0f);
    if (roll < 45) {
        const float edge = AxisEdges[static_cast<std::size_t>(below(AxisEdges.size()))];
        return sign * (edge + static_cast<float>(between(-1, 1)) * 0.0001f);
    }
    if (roll < 60) return 0.0f;
    if (roll < 75) return sign * uniform(100.0f, 1e6f);
    if (roll < 85) return sign * Largest;
    if (roll < 95) return sign * Infinity;
    return sign * (chance(0.5) ? Tiny : 0.0f);
}

GamepadReading RandomInput::gamepad(bool connected) {
    GamepadReading pad;
    pad.connected = connected;
    if (!connected) return pad;
    pad.x = axis();
    pad.y = axis();
    pad.povX = axis();
    pad.povY = axis();
    return pad;
}

sf::Vector2i RandomInput::mouse(sf::Vector2i last, sf::Vector2u windowSize) {
    const int width = static_cast<int>(windowSize.x);
    const int roll = below(100);
    if (roll < 60) return last + sf::Vector2i(between(-8, 8), between(-8, 8));
    if (roll < 80) return {between(0, width), between(0, static_cast<int>(windowSize.y))};
    if (roll < 90) {
        const int i = below(18);
        return {width / 2 - 300 + 75 * (i % 9) + between(-30, 30), 550 + 65 * (i / 9) + between(-30, 30)};
    }
    // Pointer positions relative to the window come from 16-bit screen
    // coordinates, so this is as far as a real pointer gets.
    return {between(-65535, 65535), between(-65535, 65535)};
}

sf::Vector2u RandomInput::windowSize() {
    const int roll = below(10);
    if (roll < 4) return {1280, 720};
    if (roll < 7) return {1920, 1080};
    if (roll < 8) return {0, 0};
    return {static_cast<unsigned>(below(16385)), static_cast<unsigned>(below(16385))};
}

float RandomInput::frameSeconds() {
    const int roll = below(100);
    if (roll < 70) return uniform(0.0f, 0.05f);
    if (roll < 78) return 0.0f;
    if (roll < 88) return uniform(0.05f, 1.0f);
    if (roll < 95) return uniform(1.0f, 60.0f);
    constexpr std::array<float, 5> edges = {0.016666668f, 0.0166f, 0.25f, 10.0f, 60.0f};
    return edges[static_cast<std::size_t>(below(edges.size()))];
}
