#include "render/pintor.hpp"

#include "view/coordenadas.hpp"
#include "view/corte.hpp"

namespace quindra {

void ordena_para_pintor(Malha& malha) {
    calcula_distancias(malha);
    ordena_triangulos(malha);
}

namespace {

// The point a fraction t of the way from a to b, on the focal plane.
Ponto ponto_de_corte(const Ponto& a, const Ponto& b, double t, double d) {
    Ponto corte;
    corte.atribui_vista(a.xv + (b.xv - a.xv) * t, a.yv + (b.yv - a.yv) * t, d);
    return corte;
}

} // namespace

PoligonoVisivel poligono_visivel(const Triangulo& triangulo, ListaDePontos& pontos, double d) {
    CortesTriangulo t;
    const int caso = classifica_triangulo(triangulo, pontos, d, t);
    const Ponto& p1 = pontos[static_cast<std::size_t>(triangulo.vertice1 - 1)];
    const Ponto& p2 = pontos[static_cast<std::size_t>(triangulo.vertice2 - 1)];
    const Ponto& p3 = pontos[static_cast<std::size_t>(triangulo.vertice3 - 1)];
    const auto c12 = [&] { return ponto_de_corte(p1, p2, t.t12, d); };
    const auto c13 = [&] { return ponto_de_corte(p1, p3, t.t13, d); };
    const auto c23 = [&] { return ponto_de_corte(p2, p3, t.t23, d); };
    switch (caso) {
    case 0:
        return {{p1, p2, p3}, 3};
    case 1:
        return {{c12(), p2, p3, c13()}, 4};
    case 2:
        return {{c13(), c23(), p3}, 3};
    case 3:
        return {{c12(), c23(), p2}, 3};
    case 4:
        return {{c12(), p1, p3, c23()}, 4};
    case 5:
        return {{c12(), c13(), p1}, 3};
    case 6:
        return {{c13(), p1, p2, c23()}, 4};
    default:
        return {};
    }
}

void preenche_poligono(Bitmap& tela, const Camera& camera, const PoligonoVisivel& poligono,
                       CorPixel cor) {
    std::array<PontoPixel, 4> pixels;
    for (int i = 0; i < poligono.quantos; ++i) {
        const Ponto& v = poligono.vertices[static_cast<std::size_t>(i)];
        pixels[static_cast<std::size_t>(i)] = {projeta_coluna(camera.d * v.xv / (camera.hx * v.zv)),
                                               projeta_linha(camera.d * v.yv / (camera.hy * v.zv))};
    }
    tela.define_pincel(cor);
    tela.poligono({pixels.data(), static_cast<std::size_t>(poligono.quantos)});
}

} // namespace quindra
