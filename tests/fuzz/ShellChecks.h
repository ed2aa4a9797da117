#pragma once

#include "shell/Controls.h"
#include "sim/World.h"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Window/Event.hpp>

#include <cstdint>
#include <string>
#include <vector>

// What the shell shows of itself between two events.
struct ShellView {
    GameState state = GameState::Boot;
    bool fullscreen = true;
    bool closed = false;
    int windowsMade = 0;
    std::wstring name;
    int colorIndex = 0;
};

// The name holds at most 12 characters, none of them a control character
// or no character at all; the colour is one of the palette's 18.
void checkChoice(const std::wstring& name, int colorIndex, std::vector<std::string>& found);

// The event moved the shell only along the allowed transitions: the title
// to play by Enter, a left click off the swatches or pad button 0 or 1 with
// a name; play back to the title by Escape; the end by the close event or
// by Escape on the title. Starting play hands the name and colour over.
void checkTransition(const sf::Event& event, bool pointerOnSwatch, const ShellView& before,
                     const ShellView& after, const Snake& player, sf::Color chosen,
                     std::vector<std::string>& found);

// A hash of everything a step changes apart from the player's own snake,
// which starting play replaces.
std::uint64_t worldFingerprint(const World& world);

std::string describe(const sf::Event& event);
