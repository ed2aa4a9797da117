#include "ShellChecks.h"

#include <cstdio>
#include <cstring>

namespace {

bool isKeyPress(const sf::Event& event, sf::Keyboard::Key key) {
    return event.type == sf::Event::KeyPressed && event.key.code == key;
}

bool isControlOrNoCharacter(std::uint32_t c) {
    return c < 32 || (c >= 127 && c <= 0x9F) || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF;
}

// The events that start play from the title when there is a name.
bool asksToStart(const sf::Event& event, bool pointerOnSwatch) {
    switch (event.type) {
    case sf::Event::KeyPressed: return event.key.code == sf::Keyboard::Enter;
    case sf::Event::MouseButtonPressed: return event.mouseButton.button == sf::Mouse::Left && !pointerOnSwatch;
    case sf::Event::JoystickButtonPressed: return event.joystickButton.button <= 1;
    default: return false;
    }
}

GameState expectedState(const sf::Event& event, bool pointerOnSwatch, const ShellView& before) {
    if (before.state == GameState::Playing) return isKeyPress(event, sf::Keyboard::Escape) ? GameState::Boot : GameState::Playing;
    return asksToStart(event, pointerOnSwatch) && !before.name.empty() ? GameState::Playing : GameState::Boot;
}

bool expectedClose(const sf::Event& event, const ShellView& before) {
    return event.type == sf::Event::Closed ||
           (before.state == GameState::Boot && isKeyPress(event, sf::Keyboard::Escape));
}

// Typing on the title adds the one character typed or, for backspace,
// takes the last one away; nothing else edits the name.
bool nameEditAllowed(const sf::Event& event, const ShellView& before, const ShellView& after) {
    if (after.name == before.name) return true;
    if (before.state != GameState::Boot || event.type != sf::Event::TextEntered) return false;
    const sf::Uint32 typed = event.text.unicode;
    if (typed == 8) return after.name == before.name.substr(0, before.name.size() - 1);
    return after.name == before.name + static_cast<wchar_t>(typed);
}

int expectedColor(const sf::Event& event, const ShellView& before) {
    if (before.state != GameState::Boot || event.type != sf::Event::KeyPressed) return before.colorIndex;
    switch (event.key.code) {
    case sf::Keyboard::Left: return (before.colorIndex + 17) % 18;
    case sf::Keyboard::Right: return (before.colorIndex + 1) % 18;
    case sf::Keyboard::Up:
    case sf::Keyboard::Down: return (before.colorIndex + 9) % 18;
    default: return before.colorIndex;
    }
}

void checkStart(const Snake& player, const ShellView& after, sf::Color chosen, std::vector<std::string>& found) {
    if (!player.alive || player.pointCount == 0) found.emplace_back("play started without a live player");
    if (player.name != after.name) found.emplace_back("the player did not take the typed name");
    if (player.color != chosen) found.emplace_back("the player did not take the chosen colour");
}

template <typename T>
void hashValue(std::uint64_t& hash, const T& value) {
    unsigned char bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T));
    for (unsigned char byte : bytes) hash = (hash ^ byte) * 1099511628211ull;
}

}  // namespace

void checkChoice(const std::wstring& name, int colorIndex, std::vector<std::string>& found) {
    if (name.size() > MaxNameLength) found.emplace_back("name of " + std::to_string(name.size()) + " characters");
    for (wchar_t c : name)
        if (isControlOrNoCharacter(static_cast<std::uint32_t>(c)))
            found.emplace_back("name holds U+" + std::to_string(static_cast<std::uint32_t>(c)));
    if (colorIndex < 0 || colorIndex >= PaletteSize) found.emplace_back("colorIndex " + std::to_string(colorIndex));
}

void checkTransition(const sf::Event& event, bool pointerOnSwatch, const ShellView& before,
                     const ShellView& after, const Snake& player, sf::Color chosen,
                     std::vector<std::string>& found) {
    const GameState state = expectedState(event, pointerOnSwatch, before);
    if (after.state != state) found.emplace_back("state moved outside the allowed transitions");
    if (after.closed != (before.closed || expectedClose(event, before))) found.emplace_back("window closed wrongly");
    const bool toggle = isKeyPress(event, sf::Keyboard::F11);
    if (after.fullscreen != (before.fullscreen != toggle) || after.windowsMade != before.windowsMade + toggle)
        found.emplace_back("window mode changed without F11, or F11 ignored");
    if (!nameEditAllowed(event, before, after)) found.emplace_back("name edited outside typing on the title");
    if (after.colorIndex != expectedColor(event, before)) found.emplace_back("colour moved outside the arrows' steps");
    if (before.state == GameState::Boot && after.state == GameState::Playing) checkStart(player, after, chosen, found);
}

std::uint64_t worldFingerprint(const World& world) {
    std::uint64_t hash = 14695981039346656037ull;
    for (std::size_t i = 1; i < world.snakes.size(); ++i) {
        const Snake& snake = *world.snakes[i];
        for (std::size_t k = 0; k < snake.pointCount; ++k) hashValue(hash, snake.points[k]);
        for (float value : {snake.mass, snake.heading, snake.respawnTimer, snake.thinkTimer, snake.speed})
            hashValue(hash, value);
        hashValue(hash, snake.alive);
    }
    hashValue(hash, world.cameraCenter);
    hashValue(hash, world.zoom);
    hashValue(hash, world.rankingTimer);
    hashValue(hash, world.particles.size());
    hashValue(hash, world.livePelletCount());
    return hash;
}

std::string describe(const sf::Event& event) {
    char text[96];
    switch (event.type) {
    case sf::Event::TextEntered: std::snprintf(text, sizeof text, "text U+%X", event.text.unicode); break;
    case sf::Event::KeyPressed: std::snprintf(text, sizeof text, "key %d pressed", event.key.code); break;
    case sf::Event::MouseButtonPressed:
        std::snprintf(text, sizeof text, "mouse button %d pressed", event.mouseButton.button);
        break;
    case sf::Event::JoystickButtonPressed:
        std::snprintf(text, sizeof text, "joystick %u button %u pressed", event.joystickButton.joystickId,
                      event.joystickButton.button);
        break;
    default: std::snprintf(text, sizeof text, "event type %d", event.type); break;
    }
    return text;
}
