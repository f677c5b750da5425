#include "render/profundidade_visivel.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "geometry/arredondamento.hpp"

namespace quindra {

Bitmap imagem_da_profundidade(const ZBuffer& z) {
    // The range of the finite depths stored; one that is not finite shows as the nearest or the
    // farthest, whichever side it lies on.
    double perto = std::numeric_limits<double>::infinity(), longe = -perto;
    for (const double d : z.valores)
        if (d != PROFUNDIDADE_VAZIA && std::isfinite(d))
            perto = std::min(perto, d), longe = std::max(longe, d);
    const double faixa = longe - perto;
    const auto cinza = [&](double d) -> std::uint8_t {
        if (!(d > perto)) return 255;
        if (!(d < longe) || !std::isfinite(faixa) || faixa <= 0) return CINZA_MAIS_LONGE;
        const double fracao = (d - perto) / faixa;
        return static_cast<std::uint8_t>(arredonda(255 - fracao * (255 - CINZA_MAIS_LONGE)));
    };
    Bitmap imagem(LADO_TELA, LADO_TELA,
                  std::vector<std::uint8_t>(std::size_t{3} * LADO_TELA * LADO_TELA, 0));
    for (int x = 0; x < LADO_TELA; ++x)
        for (int y = 0; y < LADO_TELA; ++y) {
            const double d = z.em(x, y);
            if (d == PROFUNDIDADE_VAZIA) continue;
            const std::uint8_t g = cinza(d);
            imagem.define_pixel(x, LADO_TELA - y, {g, g, g});
        }
    return imagem;
}

} // namespace quindra
