#include "render/pixels_pontos.hpp"

#include <cmath>

#include <tbb/parallel_for.h>

#include "view/corte.hpp"

namespace quindra {

void projeta_pontos(Vista& vista, const Camera& camera) {
    auto& pixels = vista.pixels;
    pixels.resize(vista.Pontos.size());
    tbb::parallel_for(std::size_t{0}, pixels.size(), [&](std::size_t i) {
        const Ponto& p = vista.Pontos[i];
        // The cut's own comparisons: a point it neither pushes nearer nor finds near.
        const bool alem = !(std::fabs(p.zv - camera.d) < TOLERANCIA_CORTE) && !(p.zv < camera.d);
        const VerticeTela v = alem ? projeta_vertice(camera, p) : VerticeTela{};
        pixels[i] = {v.x, v.y, alem};
    });
}

std::optional<VerticesTela> vertices_alem(const Vista& vista,
                                          const std::array<std::size_t, 3>& vertices) {
    VerticesTela v;
    for (std::size_t k = 0; k < 3; ++k) {
        const PixelPonto& p = vista.pixels[vertices[k]];
        if (!p.alem) return std::nullopt;
        v[k] = {p.x, p.y};
    }
    return v;
}

} // namespace quindra
