#include "render/WorldPass.h"

#include "render/DiscTemplate.h"
#include "render/Eyes.h"
#include "render/GlowTexture.h"
#include "render/PelletQuads.h"
#include "render/SparkQuads.h"
#include "render/TextDrawing.h"

#include <cmath>

namespace {

void drawStore(sf::RenderTarget& target, const sf::VertexArray& store, std::size_t count, sf::BlendMode blend) {
    if (count > 0) target.draw(&store[0], count, sf::Triangles, sf::RenderStates(blend));
}

// Resizing rebuilds the shape's points, so it is done once per snake.
void resize(sf::CircleShape& circle, float radius) {
    circle.setRadius(radius);
    circle.setOrigin(radius, radius);
}

void drawAt(sf::RenderTarget& target, sf::CircleShape& circle, sf::Vector2f centre) {
    circle.setPosition(centre);
    target.draw(circle);
}

}  // namespace

void WorldPass::build() {
    buildGlowTexture(glowTexture);
    discTemplate = makeDiscTemplate();
    eyeWhite.setFillColor(sf::Color::White);
    pupil.setFillColor(sf::Color::Black);
}

void WorldPass::draw(sf::RenderTarget& target, const World& world, SnakeTexts& texts, float t) {
    const ViewBounds view(target.getView());
    drawPellets(target, world.pelletGrid, view, t);
    drawSnakes(target, world.snakes, view, t);
    drawSparks(target, world.particles);
    for (const auto& snake : world.snakes) {
        if (!snake->alive) continue;
        if (!view.near(snake->points[0], 4.0f * std::sqrt(snake->radiusSquared))) continue;
        drawEyes(target, *snake);
        drawLabel(target, *snake, texts.nameText(*snake), world.zoom);
    }
}

void WorldPass::drawPellets(sf::RenderTarget& target, const PelletGrid& pelletGrid, const ViewBounds& view,
                            float t) {
    buildPelletQuads(pelletVertices, pelletGrid, view, t, static_cast<float>(glowTexture.getSize().x));
    sf::RenderStates states(sf::BlendAdd);
    states.texture = &glowTexture;
    target.draw(pelletVertices, states);
}

void WorldPass::drawSnakes(sf::RenderTarget& target, const std::vector<std::unique_ptr<Snake>>& snakes,
                           const ViewBounds& view, float t) {
    buildSnakeGeometry(stores, snakes, discTemplate, view, t);
    drawStore(target, stores.shadowVertices, stores.shadowCount, sf::BlendAlpha);
    drawStore(target, stores.glowVertices, stores.glowCount, sf::BlendAdd);
    drawStore(target, stores.bodyVertices, stores.bodyCount, sf::BlendAlpha);
}

void WorldPass::drawSparks(sf::RenderTarget& target, const std::vector<Particle>& particles) {
    if (particles.empty()) return;
    buildSparkQuads(sparkVertices, particles);
    target.draw(sparkVertices);
}

void WorldPass::drawEyes(sf::RenderTarget& target, const Snake& snake) {
    const float radius = std::sqrt(snake.radiusSquared);
    resize(eyeWhite, 0.38f * radius);
    resize(pupil, 0.19f * radius);
    for (const Eye& eye : eyesOf(snake)) {
        drawAt(target, eyeWhite, eye.white);
        drawAt(target, pupil, eye.pupil);
    }
}

void WorldPass::drawLabel(sf::RenderTarget& target, const Snake& snake, sf::Text& nameText, float zoom) {
    const float radius = std::sqrt(snake.radiusSquared);
    const float scale = 0.28125f / zoom;
    nameText.setScale(scale, scale);
    const sf::FloatRect bounds = nameText.getLocalBounds();
    nameText.setOrigin(bounds.width / 2.0f, bounds.height / 2.0f);
    const sf::Vector2f head = snake.points[0];
    nameText.setPosition(head.x, head.y - radius - 30.0f / zoom);
    drawText(target, nameText);
}
