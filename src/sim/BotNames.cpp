#include "sim/BotNames.h"

#include "sim/Snake.h"

#include <cstdlib>
#include <unordered_map>

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
    static const std::unordered_map<std::wstring, int> rows = [] {
        std::unordered_map<std::wstring, int> byName;
        for (std::size_t i = 0; i < botNames.size(); ++i) byName.emplace(botNames[i], static_cast<int>(i) + 1);
        return byName;
    }();
    const auto found = rows.find(name);
    return found == rows.end() ? 0 : found->second;
}
