#include "render/pintor.hpp"

#include <algorithm>

#include "view/coordenadas.hpp"

namespace quindra {

PoligonoVisivel poligono_visivel(const CorteTriangulo& corte) {
    PoligonoVisivel poligono;
    for (int slot : corte.poligono())
        poligono.vertices[static_cast<std::size_t>(poligono.quantos++)] =
            corte.pontos[static_cast<std::size_t>(slot)];
    return poligono;
}

PoligonoTela projeta_poligono(const Camera& camera, const PoligonoVisivel& poligono,
                              CorPixel pincel, CorPixel caneta) {
    PoligonoTela tela{{}, poligono.quantos, pincel, caneta};
    for (std::size_t i = 0; i < static_cast<std::size_t>(poligono.quantos); ++i) {
        const auto [xn, yn] = projeta(camera, poligono.vertices[i]);
        tela.pixels[i] = {projeta_coluna(xn), projeta_linha(yn)};
    }
    return tela;
}

PoligonoTela poligono_inteiro(const VerticesTela& vertices, CorPixel pincel, CorPixel caneta) {
    PoligonoTela tela{{}, 3, pincel, caneta};
    for (std::size_t i = 0; i < 3; ++i) tela.pixels[i] = {vertices[i].x, LADO_TELA - vertices[i].y};
    return tela;
}

std::int64_t PoligonoTela::primeira_linha() const {
    std::int64_t linha = LIMITE_PIXEL;
    for (int i = 0; i < quantos; ++i)
        linha = std::min(linha, pixels[static_cast<std::size_t>(i)].y);
    return linha;
}

std::int64_t PoligonoTela::ultima_linha() const {
    std::int64_t linha = -LIMITE_PIXEL;
    for (int i = 0; i < quantos; ++i)
        linha = std::max(linha, pixels[static_cast<std::size_t>(i)].y);
    return linha;
}

} // namespace quindra
