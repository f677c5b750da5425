#include "render/pintor.hpp"

#include "view/coordenadas.hpp"
#include "view/corte.hpp"

namespace quindra {

void ordena_para_pintor(Malha& malha) {
    calcula_distancias(malha);
    ordena_triangulos(malha);
}

PoligonoVisivel poligono_visivel(const Triangulo& triangulo, ListaDePontos& pontos, double d) {
    const CorteTriangulo corte(triangulo, pontos, d);
    PoligonoVisivel poligono;
    for (int slot : corte.poligono())
        poligono.vertices[static_cast<std::size_t>(poligono.quantos++)] =
            corte.pontos[static_cast<std::size_t>(slot)];
    return poligono;
}

void preenche_poligono(Bitmap& tela, const Camera& camera, const PoligonoVisivel& poligono,
                       CorPixel cor) {
    std::array<PontoPixel, 4> pixels;
    for (int i = 0; i < poligono.quantos; ++i) {
        const auto [xn, yn] = projeta(camera, poligono.vertices[static_cast<std::size_t>(i)]);
        pixels[static_cast<std::size_t>(i)] = {projeta_coluna(xn), projeta_linha(yn)};
    }
    tela.define_pincel(cor);
    tela.poligono({pixels.data(), static_cast<std::size_t>(poligono.quantos)});
}

} // namespace quindra
