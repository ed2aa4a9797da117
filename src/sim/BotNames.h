#pragma once

#include <string>
#include <unordered_set>
#include <vector>

struct Snake;

// The fixed table of bot display names, in table order (row 1 is element 0).
extern const std::vector<std::wstring> botNames;

// Names that bots carry right now; the player's name never enters it.
extern std::unordered_set<std::wstring> namesInUse;

void releaseBotName(const Snake& snake);
std::wstring pickBotName();
void registerBotName(const std::wstring& name);

// Row of a name in the table (1 to the table's size), or 0 if it is not a table name.
int botNameRow(const std::wstring& name);
