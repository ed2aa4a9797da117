#include "shell/Game.h"

#include <SFML/System/Err.hpp>

#include <cstdlib>
#include <ctime>
#include <memory>

int main() {
    // The console stays silent, the library's own complaints included.
    sf::err().rdbuf(nullptr);
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    auto game = std::make_unique<Game>();
    game->run();
    return 0;
}
