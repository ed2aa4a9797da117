#include "render/DecorationCanvas.h"

namespace {

// Target pixels to a canvas texel along each axis.
constexpr unsigned CanvasScale = 4;

// The cover's texels as they are. The fixed pipeline would multiply them by
// the vertices' white, and a renderer without a GPU works that out for every
// pixel of the screen: the plain copy costs it a quarter less, or more.
const char* const CopyTexels =
    "uniform sampler2D canvas;"
    "void main() { gl_FragColor = texture2D(canvas, gl_TexCoord[0].xy); }";

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

void DecorationCanvas::clearWithLayers(sf::RenderTarget& target, sf::Color background,
                                       const std::vector<DecorationLayer>& layers, sf::Vector2f centre) {
    if (target.getSize().x == 0 || target.getSize().y == 0) return;  // a minimised window has no pixels to cover
    const sf::FloatRect area = fit(target);
    canvas.setView(sf::View(area));
    canvas.clear(background);
    drawDecorationLayers(layers, canvas, centre);
    canvas.display();
    setCover(cover, area, canvas.getSize());
    // Copied over every pixel: the target needs no clearing of its own.
    const sf::Shader* shader = copyTexels.getNativeHandle() != 0 ? &copyTexels : nullptr;
    target.draw(cover, sf::RenderStates(sf::BlendNone, sf::Transform::Identity, &canvas.getTexture(), shader));
}

// The world area under the target's view, widened to whole canvas texels
// on the right and at the bottom.
sf::FloatRect DecorationCanvas::fit(const sf::RenderTarget& target) {
    const sf::Vector2u size = target.getSize();
    const sf::Vector2u texels(texelsOver(size.x), texelsOver(size.y));
    if (canvas.getSize() != texels) {
        canvas.create(texels.x, texels.y);
        prepareCopy();
    }
    const sf::View& view = target.getView();
    const sf::Vector2f corner = view.getCenter() - view.getSize() / 2.0f;
    const float stretch = static_cast<float>(CanvasScale);
    return sf::FloatRect(corner.x, corner.y,
                         view.getSize().x * stretch * static_cast<float>(texels.x) / static_cast<float>(size.x),
                         view.getSize().y * stretch * static_cast<float>(texels.y) / static_cast<float>(size.y));
}

// Where shaders are missing, or this one fails, the fixed pipeline copies
// the same texels. Asked first, as a failed load would print to the console.
void DecorationCanvas::prepareCopy() {
    if (copyTexels.getNativeHandle() != 0 || !sf::Shader::isAvailable()) return;
    if (copyTexels.loadFromMemory(CopyTexels, sf::Shader::Fragment))
        copyTexels.setUniform("canvas", sf::Shader::CurrentTexture);
}
