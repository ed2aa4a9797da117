#include "render/BootScreenDrawing.h"
#include "shell/BootScreen.h"

#include "InputEvents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <tuple>

TEST(BootScreen, SwatchesLieInTwoRowsOfNineGrowUnderThePointerAndTheHeldButtonChooses) {
    const auto pointerAt = [](float x, bool held = false) { return BootInput{{1280, 720}, {x, 550.0f}, held, {}}; };
    std::vector<sf::CircleShape> swatches(18, sf::CircleShape(22.0f, 32));
    int colorIndex = 7;
    updateSwatches(swatches, colorIndex, pointerAt(640.0f), 0.0f);  // over swatch 4
    const std::pair<int, sf::Vector2f> places[] = {{0, {340, 550}}, {8, {940, 550}}, {9, {340, 615}}, {13, {640, 615}}};
    for (const auto& [i, place] : places) EXPECT_EQ(swatches[i].getPosition(), place) << i;
    // Swatch 4's grown bounds reach x = 665.3: at 664 only the scale keeps it hovered.
    updateSwatches(swatches, colorIndex, pointerAt(664.0f), 0.0f);
    EXPECT_EQ(swatches[4].getScale(), sf::Vector2f(1.15f, 1.15f));
    updateSwatches(swatches, colorIndex, pointerAt(700.0f), 0.0f);
    EXPECT_EQ(swatches[4].getScale(), sf::Vector2f(1.0f, 1.0f));
    // A click on 2 is seen by the later swatches of the same update: 7 loses its white ring at once, 2 gains it from
    // the next update on, and pulses.
    EXPECT_EQ(swatches[7].getOutlineThickness(), 4.0f);
    updateSwatches(swatches, colorIndex, pointerAt(490.0f, true), 0.0f);
    EXPECT_EQ(std::make_tuple(colorIndex, swatches[7].getOutlineThickness(), swatches[2].getOutlineThickness()),
              std::make_tuple(2, 0.0f, 0.0f));
    updateSwatches(swatches, colorIndex, pointerAt(490.0f), 0.15707964f);
    EXPECT_EQ(swatches[2].getOutlineThickness(), 4.0f);
    EXPECT_FLOAT_EQ(swatches[2].getScale().x, 1.4f);
}

TEST(BootScreen, OnePadPushStepsTheColourOnceUntilEveryAxisRestsInsideTen) {
    int colorIndex = 17;
    bool latched = false;
    // Three frames of each reading, then the colour and the latch.
    const std::tuple<GamepadReading, int, bool> frames[] = {{stickAt(50.0f, 0.0f), 17, false},
                                                            {stickAt(51.0f, 0.0f), 0, true},  // wraps past the last
                                                            {stickAt(9.0f, -9.0f, 0.0f, 10.0f), 0, true},
                                                            {stickAt(9.0f, -9.0f, -9.9f, 9.9f), 0, false},
                                                            {stickAt(0.0f, 0.0f, -100.0f, 0.0f), 17, true}};
    for (const auto& [reading, index, latch] : frames) {
        for (int frame = 0; frame < 3; ++frame) chooseColorWithGamepad(reading, colorIndex, latched);
        EXPECT_EQ(std::make_pair(colorIndex, latched), std::make_pair(index, latch)) << reading.x;
    }
    // Diagonals count as sideways; vertical pushes change the row.
    const std::tuple<GamepadReading, int, int> pushes[] = {
        {stickAt(60.0f, 60.0f), 4, 5}, {stickAt(0.0f, -51.0f), 12, 3}, {stickAt(-60.0f, 0.0f, 60.0f), 8, 9}};
    for (const auto& [reading, from, to] : pushes) {
        colorIndex = from;
        latched = false;
        chooseColorWithGamepad(reading, colorIndex, latched);
        EXPECT_EQ(colorIndex, to) << "from " << from;
    }
}

TEST(BootScreen, StarsSpreadOverTheirPlaneRestartFarAwayAnywhereAndStreakTowardTheViewer) {
    std::srand(7);
    std::vector<Star> stars = makeStars(20000);
    const auto range = [&](float Star::*field) {
        const auto [low, high] = std::minmax_element(stars.begin(), stars.end(),
                                                     [&](const Star& a, const Star& b) { return a.*field < b.*field; });
        return std::make_pair((*low).*field, (*high).*field);
    };
    const std::pair<float, float> plane(-1000.0f, 999.0f), far(1000.0f, 1000.0f);
    EXPECT_EQ(std::make_tuple(range(&Star::x), range(&Star::y), range(&Star::z)),
              std::make_tuple(plane, plane, std::make_pair(0.0f, 999.0f)));
    EXPECT_TRUE(std::all_of(stars.begin(), stars.end(), [](const Star& s) { return s.previousZ == s.z; }));
    for (Star& star : stars) star.z = star.previousZ = 15.0f;
    updateStars(stars, 15.0f);
    EXPECT_EQ(std::make_tuple(range(&Star::x), range(&Star::y), range(&Star::z), range(&Star::previousZ)),
              std::make_tuple(plane, plane, far, far));
    stars = {{10.0f, 20.0f, 15.0f, 15.0f}, {100.0f, -50.0f, 415.0f, 430.0f}};
    updateStars(stars, 15.0f);
    EXPECT_EQ(std::make_pair(stars[1].z, stars[1].previousZ), std::make_pair(400.0f, 415.0f));
    sf::VertexArray lines(sf::Lines);
    buildStarLines(stars, sf::Color(255, 20, 147), {640.0f, 360.0f}, lines);
    ASSERT_EQ(lines.getVertexCount(), 4u);
    EXPECT_EQ(std::make_pair(lines[0].position, lines[1].color.a), std::make_pair(lines[1].position, sf::Uint8{0}));
    EXPECT_FLOAT_EQ(lines[2].position.x, 400.0f / 415.0f * 100.0f + 640.0f);
    EXPECT_EQ(std::make_pair(lines[3].position, lines[3].color),
              std::make_pair(sf::Vector2f(740.0f, 310.0f), sf::Color(255, 20, 147, 153)));
}
