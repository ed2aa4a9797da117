#pragma once

#include <string>
#include <vector>

class World;
struct Snake;

// Checks the rules that must hold after every step: pool, free stack and
// pellet grid agree; at least 300 pellets in play; no table name on two
// bots; live bodies of 1 to 512 points; nothing NaN or infinite.
class InvariantChecker {
public:
    // One line for each broken rule; empty when all hold.
    std::vector<std::string> check(const World& world);

private:
    void checkPellets(const World& world, std::vector<std::string>& found);
    void countListings(const World& world, std::vector<std::string>& found);
    void checkNames(const World& world, std::vector<std::string>& found);
    static void checkSnake(const Snake& snake, std::vector<std::string>& found);
    static void checkFinite(const World& world, std::vector<std::string>& found);

    std::vector<int> listings;  // grid pointers to each pool record
    std::vector<int> stacked;   // free-stack entries naming each pool record
    std::vector<int> carriers;  // bots carrying each table row
};
