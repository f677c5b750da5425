#include "render/pixels_pontos.hpp"

#include <tbb/parallel_for.h>

#include "geometry/paginas_grandes.hpp"

namespace quindra {

void projeta_pontos(Vista& vista, const Camera& camera) {
    auto& pixels = vista.pixels;
    dimensiona(pixels, vista.Pontos.size());
    tbb::parallel_for(std::size_t{0}, pixels.size(), [&](std::size_t i) {
        const Ponto& p = vista.Pontos[i];
        const VerticeTela v =
            alem_do_plano(p.zv, camera.d) ? projeta_vertice(camera, p) : VerticeTela{};
        pixels[i] = {v.x, v.y, p.zv};
    });
}

std::optional<VerticesTela> vertices_alem(const Vista& vista,
                                          const std::array<std::size_t, 3>& vertices, double d) {
    VerticesTela v;
    for (std::size_t k = 0; k < 3; ++k) {
        const PixelPonto& p = vista.pixels[vertices[k]];
        if (!alem_do_plano(p.zv, d)) return std::nullopt;
        v[k] = {p.x, p.y};
    }
    return v;
}

} // namespace quindra
