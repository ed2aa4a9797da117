#include "sim/Arena.h"
#include "sim/Particle.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

TEST(Particles, SparksDrawDirectionThenSpeedThreeTimes) {
    std::srand(31);
    sf::Vector2f expected[3];
    for (sf::Vector2f& velocity : expected) {
        const int index = degreeIndex(std::rand() % 360);
        const float speed = static_cast<float>(std::rand() % 100) / 10.0f + 2.0f;
        velocity = {speed * trigTable().cosine[index], speed * trigTable().sine[index]};
    }
    const int after = std::rand();
    std::srand(31);
    std::vector<Particle> particles;
    spawnSparks(particles, {12.0f, -7.0f}, sf::Color(10, 20, 30));
    EXPECT_EQ(std::rand(), after);
    ASSERT_EQ(particles.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(particles[i].position, sf::Vector2f(12.0f, -7.0f));
        EXPECT_EQ(particles[i].velocity, expected[i]) << i;
        EXPECT_EQ(particles[i].color, sf::Color(10, 20, 30));
        EXPECT_EQ(particles[i].life, 1.0f);
    }
}

TEST(Particles, SparkFliesSlowsAndLastsFiftyUpdates) {
    std::vector<Particle> particles;
    updateParticles(particles);
    EXPECT_TRUE(particles.empty());
    particles.push_back(Particle{{0.0f, 0.0f}, {10.0f, -4.0f}, sf::Color::Red, 1.0f});
    updateParticles(particles);
    EXPECT_EQ(particles[0].position, sf::Vector2f(10.0f, -4.0f));  // the full first velocity
    updateParticles(particles);
    EXPECT_EQ(particles[0].position, sf::Vector2f(10.0f + 10.0f * 0.95f, -4.0f + -4.0f * 0.95f));
    // A second spark, two updates younger, outlives the first by two.
    particles.push_back(Particle{{5.0f, 5.0f}, {0.0f, 0.0f}, sf::Color::Blue, 1.0f});
    for (int update = 3; update <= 50; ++update) updateParticles(particles);
    ASSERT_EQ(particles.size(), 2u);
    EXPECT_GT(particles[0].life, 0.0f);
    EXPECT_NEAR(particles[0].position.x, 10.0f * 18.5f, 3.0f);  // about 18.5 times its speed
    updateParticles(particles);  // the first spark's 51st
    ASSERT_EQ(particles.size(), 1u);
    EXPECT_EQ(particles[0].color, sf::Color::Blue);
    updateParticles(particles);  // its 50th
    EXPECT_EQ(particles.size(), 1u);
    updateParticles(particles);
    EXPECT_TRUE(particles.empty());
}
