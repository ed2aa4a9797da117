#include "render/SnakeGeometry.h"

#include "render/DiscTemplate.h"

#include <algorithm>
#include <cmath>

namespace {

const sf::Color ShadowColor(0, 0, 0, 110);

// The template's rim scaled to one snake's radius, worked out once a snake.
struct ScaledRim {
    sf::Vector2f body[DiscSlices + 1];
    sf::Vector2f unit[DiscSlices + 1];
};

void sampleBody(const Snake& snake, float radius, std::vector<BodySample>& samples) {
    samples.clear();
    samples.push_back(BodySample{snake.points[0].x, snake.points[0].y, 0.0f});
    const float spacing = 0.25f * radius;
    const float minSquared = spacing * spacing;
    float distance = 0.0f;
    for (std::size_t i = 1; i < snake.pointCount; ++i) {
        const sf::Vector2f p = snake.points[i];
        const sf::Vector2f step = p - snake.points[i - 1];
        distance += std::sqrt(step.x * step.x + step.y * step.y);
        const float dx = p.x - samples.back().x;
        const float dy = p.y - samples.back().y;
        if (dx * dx + dy * dy >= minSquared || i == snake.pointCount - 1)
            samples.push_back(BodySample{p.x, p.y, distance});
    }
}

sf::Uint8 darken(sf::Uint8 channel) {
    return static_cast<sf::Uint8>(static_cast<float>(channel) * 0.65f);
}

sf::Uint8 brighten(sf::Uint8 channel) {
    return static_cast<sf::Uint8>(std::min(channel + 60, 255));
}

// The body colour at a distance from the head: the first half of every
// stripe period is the darker band, and boosting lifts every band.
sf::Color stripeColor(const Snake& snake, float distance, float period) {
    sf::Color c = snake.color;
    if (!(std::fmod(distance, period) / period > 0.5f)) c = sf::Color(darken(c.r), darken(c.g), darken(c.b), c.a);
    if (snake.boosting) c = sf::Color(brighten(c.r), brighten(c.g), brighten(c.b), c.a);
    return c;
}

void setVertex(sf::Vertex& vertex, sf::Vector2f position, sf::Color color) {
    vertex.position = position;
    vertex.color = color;
}

void writeDisc(const Snake& snake, const BodySample& sample, float halo, float radius, float period,
               const ScaledRim& rim, SnakeStores& stores) {
    const sf::Vector2f centre(sample.x, sample.y);
    const sf::Color stripe = stripeColor(snake, sample.distance, period);
    const sf::Color edge(stripe.r / 3, stripe.g / 3, stripe.b / 3, stripe.a);
    const sf::Vector2f shift(0.35f * radius, 0.35f * radius);
    const float haloRadius = halo * radius;
    const sf::Color haloCentre(snake.color.r, snake.color.g, snake.color.b, 160);
    const sf::Color haloEdge(snake.color.r, snake.color.g, snake.color.b, 0);
    sf::Vertex* body = &stores.bodyVertices[stores.bodyCount];
    sf::Vertex* shadow = &stores.shadowVertices[stores.shadowCount];
    sf::Vertex* glow = snake.boosting ? &stores.glowVertices[stores.glowCount] : nullptr;
    for (int k = 0; k < DiscSlices; ++k) {
        const sf::Vector2f from = centre + rim.body[k];
        const sf::Vector2f to = centre + rim.body[k + 1];
        setVertex(body[3 * k], centre, stripe);
        setVertex(body[3 * k + 1], from, edge);
        setVertex(body[3 * k + 2], to, edge);
        setVertex(shadow[3 * k], centre + shift, ShadowColor);
        setVertex(shadow[3 * k + 1], from + shift, ShadowColor);
        setVertex(shadow[3 * k + 2], to + shift, ShadowColor);
        if (!glow) continue;
        setVertex(glow[3 * k], centre, haloCentre);
        setVertex(glow[3 * k + 1], centre + haloRadius * rim.unit[k], haloEdge);
        setVertex(glow[3 * k + 2], centre + haloRadius * rim.unit[k + 1], haloEdge);
    }
    stores.bodyCount += DiscVertices;
    stores.shadowCount += DiscVertices;
    if (glow) stores.glowCount += DiscVertices;
}

ScaledRim scaleRim(const sf::VertexArray& discTemplate, float radius) {
    ScaledRim rim;
    for (int k = 0; k <= DiscSlices; ++k) {
        rim.unit[k] = discTemplate[k + 1].position;
        rim.body[k] = radius * rim.unit[k];
    }
    return rim;
}

}  // namespace

void reserveSnakeStores(SnakeStores& stores, const std::vector<std::unique_ptr<Snake>>& snakes) {
    std::size_t discs = 0;
    for (const auto& snake : snakes) {
        if (snake->alive) discs += snake->pointCount + 5;
    }
    const std::size_t needed = DiscVertices * discs;
    if (stores.bodyVertices.getVertexCount() >= needed) return;
    stores.bodyVertices.resize(needed);
    stores.shadowVertices.resize(needed);
    stores.glowVertices.resize(needed);
}

void appendSnakeGeometry(const Snake& snake, SnakeStores& stores, const sf::VertexArray& discTemplate,
                         const ViewBounds& view, float t) {
    if (!snake.alive || snake.pointCount == 0) return;
    if (!snake.bounds.intersects(view.rect)) return;
    const float radius = std::sqrt(snake.radiusSquared);
    sampleBody(snake, radius, stores.bodySamples);
    const float period = std::max(3.5f * radius, 60.0f);
    const ScaledRim rim = scaleRim(discTemplate, radius);
    for (std::size_t j = stores.bodySamples.size(); j-- > 0;) {
        const BodySample& sample = stores.bodySamples[j];
        if (!view.near(sf::Vector2f(sample.x, sample.y), 2.5f * radius)) continue;
        const float halo =
            snake.boosting ? 1.35f + 0.25f * std::sin(15.0f * t - 0.4f * static_cast<float>(j)) : 1.0f;
        writeDisc(snake, sample, halo, radius, period, rim, stores);
    }
}

void buildSnakeGeometry(SnakeStores& stores, const std::vector<std::unique_ptr<Snake>>& snakes,
                        const sf::VertexArray& discTemplate, const ViewBounds& view, float t) {
    stores.bodyCount = 0;
    stores.shadowCount = 0;
    stores.glowCount = 0;
    if (snakes.empty()) return;
    reserveSnakeStores(stores, snakes);
    for (const auto& snake : snakes) appendSnakeGeometry(*snake, stores, discTemplate, view, t);
}
