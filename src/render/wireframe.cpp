#include "render/wireframe.hpp"

#include <cmath>
#include <cstdint>

#include "render/lista_em_lotes.hpp"
#include "render/pintor.hpp"
#include "view/coordenadas.hpp"
#include "view/corte.hpp"

namespace quindra {

void desenha_segmento_visivel(Bitmap& tela, double xn1, double yn1, double xn2, double yn2) {
    if (!recorta_segmento(xn1, yn1, xn2, yn2)) return;
    tela.move_para(projeta_coluna(xn1), projeta_linha(yn1));
    tela.linha_para(projeta_coluna(xn2), projeta_linha(yn2));
}

namespace {

// Where a triangle's edges met the focal plane, in camera x and y.
struct PontosDeCorte {
    double x[2] = {}, y[2] = {};
    int quantos = 0;

    void guarda(double xv, double yv) {
        if (quantos == 2) return;
        x[quantos] = xv, y[quantos] = yv;
        ++quantos;
    }
};

void desenha_aresta(Bitmap& tela, const Camera& camera, const Ponto& p, const Ponto& q,
                    PontosDeCorte& cortes) {
    double x1 = p.xv, y1 = p.yv, z1 = p.zv, x2 = q.xv, y2 = q.yv, z2 = q.zv;
    const int resultado = corta_segmento(x1, y1, z1, x2, y2, z2, camera.d);
    if (resultado == SEGMENTO_INVISIVEL) return;
    if (resultado == PRIMEIRO_EXTREMO_MOVIDO) cortes.guarda(x1, y1);
    if (resultado == SEGUNDO_EXTREMO_MOVIDO) cortes.guarda(x2, y2);
    // With a focal distance below the cutting tolerance an end may still sit at or behind the
    // camera; projecting it would divide by a depth that is not positive.
    if (z1 <= 0 || z2 <= 0) return;
    const PontoNormalizado a = projeta(camera, x1, y1, z1), b = projeta(camera, x2, y2, z2);
    desenha_segmento_visivel(tela, a.xn, a.yn, b.xn, b.yn);
}

// The unclipped edge p-q. A corner at depth 0 has no projection; one so near it that the
// projection overflows has none worth drawing either.
void desenha_aresta_tetraedro(Bitmap& tela, const Camera& camera, const Ponto& p, const Ponto& q) {
    if (p.zv == 0 || q.zv == 0) return;
    const PontoNormalizado a = projeta(camera, p), b = projeta(camera, q);
    if (!std::isfinite(a.xn) || !std::isfinite(a.yn) || !std::isfinite(b.xn) ||
        !std::isfinite(b.yn))
        return;
    tela.move_para(projeta_coluna(a.xn), projeta_linha(a.yn));
    tela.linha_para(projeta_coluna(b.xn), projeta_linha(b.yn));
}

} // namespace

void desenha_triangulo_arame(Bitmap& tela, const ListaDePontos& pontos, const Camera& camera,
                             const Triangulo& triangulo) {
    const auto [a, b, c] = triangulo.indices();
    const Ponto &pa = pontos[a], &pb = pontos[b], &pc = pontos[c];
    PontosDeCorte cortes;
    desenha_aresta(tela, camera, pa, pb, cortes);
    desenha_aresta(tela, camera, pa, pc, cortes);
    desenha_aresta(tela, camera, pb, pc, cortes);
    // The crossing points lie on the plane zv = d, where the projection needs no division.
    if (cortes.quantos == 2)
        desenha_segmento_visivel(tela, cortes.x[0] / camera.hx, cortes.y[0] / camera.hy,
                                 cortes.x[1] / camera.hx, cortes.y[1] / camera.hy);
}

void desenha_arame(const Desenho& d) {
    const auto& ordem = d.vista.ordem;
    for (std::size_t k = 0; k < d.quantos_pinta(ordem.size()); ++k)
        desenha_triangulo_arame(d.tela, d.vista.Pontos, d.camera, d.malha.Triangulos[ordem[k]]);
}

namespace {

// Black polygons outlined in yellow, far to near.
struct ArameOculto {
    using Item = PoligonoTela;
    const Desenho& d;

    void inteiro(const TrianguloDaLista&, const VerticesTela& tela,
                 PartesTriangulo<Item>& partes) const {
        partes.adiciona(poligono_inteiro(tela, PRETO, AMARELO));
    }
    void cortado(const TrianguloDaLista&, const CorteTriangulo& corte,
                 PartesTriangulo<Item>& partes) const {
        partes.adiciona(projeta_poligono(d.camera, poligono_visivel(corte), PRETO, AMARELO));
    }
    void preenche(const Item& item, const FaixaLinhas& faixa) const { item.pinta(d.tela, faixa); }
};

} // namespace

void desenha_arame_oculto(const Desenho& d) {
    ArameOculto oculto{d};
    percorre_em_lotes(d, Sentido::DoUltimo, oculto);
}

void desenha_tetraedro(const Desenho& d) {
    const ListaDePontos& p = d.vista.Pontos;
    if (p.size() < 3) return;
    Bitmap& tela = d.tela;
    const Camera& camera = d.camera;
    desenha_aresta_tetraedro(tela, camera, p[0], p[1]);
    desenha_aresta_tetraedro(tela, camera, p[0], p[2]);
    desenha_aresta_tetraedro(tela, camera, p[1], p[2]);
    if (p.size() < 4) return; // no fourth corner to read
    desenha_aresta_tetraedro(tela, camera, p[0], p[3]);
    desenha_aresta_tetraedro(tela, camera, p[1], p[3]);
    desenha_aresta_tetraedro(tela, camera, p[2], p[3]);
}

} // namespace quindra
