#include "bots/BotNames.h"

#include "sim/Snake.h"

#include <algorithm>
#include <cstdlib>

std::unordered_set<std::wstring> namesInUse;

void releaseBotName(const Snake& snake) {
    if (!snake.isPlayer && !snake.name.empty()) namesInUse.erase(snake.name);
}

// One rand() draw, made even when every table name is taken.
std::wstring pickBotName() {
    std::vector<const std::wstring*> candidates;
    candidates.reserve(botNames.size());
    for (const std::wstring& name : botNames)
        if (namesInUse.count(name) == 0) candidates.push_back(&name);
    const int draw = std::rand();
    if (candidates.empty()) return L"Bot_" + std::to_wstring(draw % 1000);
    return *candidates[static_cast<std::size_t>(draw) % candidates.size()];
}

void registerBotName(const std::wstring& name) {
    namesInUse.insert(name);
}

int botNameRow(const std::wstring& name) {
    const auto found = std::find(botNames.begin(), botNames.end(), name);
    return found == botNames.end() ? 0 : static_cast<int>(found - botNames.begin()) + 1;
}
