#include "render/DecorationCanvas.h"

namespace {

// Target pixels to a canvas texel along each axis.
constexpr unsigned CanvasScale = 4;

// The canvas holds the layers' colours already weighted by their alpha.
const sf::BlendMode AddCanvas(sf::BlendMode::One, sf::BlendMode::One);

unsigned texelsOver(unsigned pixels) {
    return (pixels + CanvasScale - 1) / CanvasScale;
}

void setCover(sf::VertexArray& cover, sf::FloatRect area, sf::Vector2u texels) {
    const sf::Vector2f size(static_cast<float>(texels.x), static_cast<float>(texels.y));
    const float right = area.left + area.width;
    const float bottom = area.top + area.height;
    cover[0] = sf::Vertex(sf::Vector2f(area.left, area.top), sf::Vector2f(0.0f, 0.0f));
    cover[1] = sf::Vertex(sf::Vector2f(right, area.top), sf::Vector2f(size.x, 0.0f));
    cover[2] = sf::Vertex(sf::Vector2f(right, bottom), size);
    cover[3] = sf::Vertex(sf::Vector2f(area.left, bottom), sf::Vector2f(0.0f, size.y));
}

}  // namespace

void DecorationCanvas::draw(const std::vector<DecorationLayer>& layers, sf::RenderTarget& target, sf::Vector2f centre) {
    if (target.getSize().x == 0 || target.getSize().y == 0) return;  // a minimised window has no pixels to cover
    const sf::FloatRect area = fit(target);
    canvas.setView(sf::View(area));
    canvas.clear(sf::Color::Transparent);
    drawDecorationLayers(layers, canvas, centre);
    canvas.display();
    setCover(cover, area, canvas.getSize());
    target.draw(cover, sf::RenderStates(AddCanvas, sf::Transform::Identity, &canvas.getTexture(), nullptr));
}

// The world area under the target's view, widened to whole canvas texels
// on the right and at the bottom.
sf::FloatRect DecorationCanvas::fit(const sf::RenderTarget& target) {
    const sf::Vector2u size = target.getSize();
    const sf::Vector2u texels(texelsOver(size.x), texelsOver(size.y));
    if (canvas.getSize() != texels) canvas.create(texels.x, texels.y);
    const sf::View& view = target.getView();
    const sf::Vector2f corner = view.getCenter() - view.getSize() / 2.0f;
    const float stretch = static_cast<float>(CanvasScale);
    return sf::FloatRect(corner.x, corner.y,
                         view.getSize().x * stretch * static_cast<float>(texels.x) / static_cast<float>(size.x),
                         view.getSize().y * stretch * static_cast<float>(texels.y) / static_cast<float>(size.y));
}
