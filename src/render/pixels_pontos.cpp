#include "render/pixels_pontos.hpp"

#include <cmath>

#include <tbb/parallel_for.h>

#include "view/corte.hpp"

namespace quindra {

void projeta_pontos(Malha& malha, const Camera& camera) {
    auto& pixels = malha.trabalho.pixels;
    pixels.resize(malha.Pontos.size());
    tbb::parallel_for(std::size_t{0}, pixels.size(), [&](std::size_t i) {
        const Ponto& p = malha.Pontos[i];
        // The cut's own comparisons: a point it neither pushes nearer nor finds near.
        const bool alem = !(std::fabs(p.zv - camera.d) < TOLERANCIA_CORTE) && !(p.zv < camera.d);
        const VerticeTela v = alem ? projeta_vertice(camera, p) : VerticeTela{};
        pixels[i] = {v.x, v.y, alem};
    });
}

std::optional<VerticesTela> vertices_alem(const Malha& malha, const Triangulo& triangulo) {
    VerticesTela v;
    const auto indices = triangulo.indices();
    for (std::size_t k = 0; k < 3; ++k) {
        const Malha::PixelPonto& p = malha.trabalho.pixels[indices[k]];
        if (!p.alem) return std::nullopt;
        v[k] = {p.x, p.y};
    }
    return v;
}

} // namespace quindra
