#include "shell/Monitors.h"

#include <gtest/gtest.h>

namespace {

// A left monitor, the primary one on its right, and a smaller one left of both.
const Monitor Left{sf::IntRect(0, 0, 1920, 1080), false};
const Monitor Right{sf::IntRect(1920, 0, 1920, 1080), true};
const Monitor Small{sf::IntRect(-1280, 0, 1280, 1024), false};

}  // namespace

TEST(Monitors, TheGameGoesWhereMostOfItsWindowIsElseOnThePrimaryCentredWhereItFits) {
    EXPECT_EQ(primaryMonitor({Left, Right}), Right.area);
    EXPECT_EQ(primaryMonitor({Small, Left}), Small.area);  // none is marked: the first

    const std::vector<Monitor> monitors{Small, Left, Right};
    // 300 of its columns on the left monitor, 980 on the right one.
    EXPECT_EQ(monitorHoldingMost(monitors, sf::IntRect(1620, 200, 1280, 720)), Right.area);
    EXPECT_EQ(monitorHoldingMost(monitors, sf::IntRect(-200, 500, 1280, 720)), Left.area);
    EXPECT_EQ(monitorHoldingMost(monitors, sf::IntRect(1280, 100, 1280, 720)), Left.area);  // equal halves: the first
    EXPECT_EQ(monitorHoldingMost(monitors, sf::IntRect()), Right.area);                     // no window yet
    EXPECT_EQ(monitorHoldingMost(monitors, sf::IntRect(5000, 0, 1280, 720)), Right.area);   // on none of them
    // A window is centred; a monitor too small keeps its top left corner.
    EXPECT_EQ(centredOn(Right.area, {1280, 720}), sf::Vector2i(2240, 180));
    EXPECT_EQ(centredOn(sf::IntRect(0, 0, 1024, 768), {1280, 720}), sf::Vector2i(0, 24));
    EXPECT_EQ(centredOn(sf::IntRect(100, 50, 1281, 721), {1280, 720}), sf::Vector2i(100, 50));
    EXPECT_EQ(centredOn(Small.area, {1280, 720}), sf::Vector2i(-1280, 152));
}
