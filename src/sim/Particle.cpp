#include "sim/Particle.h"

#include "sim/Arena.h"

#include <algorithm>
#include <cstdlib>

void spawnSparks(std::vector<Particle>& particles, sf::Vector2f position, sf::Color color) {
    const TrigTable& table = trigTable();
    for (int i = 0; i < 3; ++i) {
        const int direction = degreeIndex(std::rand() % 360);
        const float speed = static_cast<float>(std::rand() % 100) / 10.0f + 2.0f;
        const sf::Vector2f velocity(speed * table.cosine[direction], speed * table.sine[direction]);
        particles.push_back(Particle{position, velocity, color, 1.0f});
    }
}

void updateParticles(std::vector<Particle>& particles) {
    for (Particle& particle : particles) {
        particle.position += particle.velocity;
        particle.velocity.x *= 0.95f;
        particle.velocity.y *= 0.95f;
        particle.life -= 0.02f;
    }
    particles.erase(std::remove_if(particles.begin(), particles.end(),
                                   [](const Particle& particle) { return particle.life <= 0.0f; }),
                    particles.end());
}
