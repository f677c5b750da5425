// The pixel walk of the depth-buffered rasterisers (Gouraud with depth buffer, Phong, Phong with
// texture). Each pixel's ray from the eye is met with the triangle's plane, and the weights of
// that camera-space point, not of the pixel, blend depth and whatever the renderer interpolates:
// the blend is perspective-correct. The renderer only says how a visible pixel is coloured.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>

#include "geometry/arredondamento.hpp"
#include "render/varredura.hpp"
#include "view/coordenadas.hpp"
#include "view/z_buffer.hpp"

namespace quindra {

/// A pixel is a candidate while no weight is below this: pixels on and just outside the edges
/// pass, and the span between the rounded edges bounds how far out they can lie.
inline constexpr double TOLERANCIA_PESO = -0.9;

/// One (sub-)triangle in camera space, ready to be walked.
class TrianguloProfundidade {
public:
    /// Projects the points (in the order their weights will refer to) and orders the screen
    /// positions. False when the triangle is out of reach: then nothing of it is drawn, and the
    /// renderer runs none of its per-triangle steps either.
    bool prepara(const Camera& camera, const Ponto& p1, const Ponto& p2, const Ponto& p3,
                 const Vetor& face);
    /// The same with the points' screen positions already projected.
    bool prepara(const Camera& camera, const Ponto& p1, const Ponto& p2, const Ponto& p3,
                 const Vetor& face, const VerticesTela& tela);

    /// The camera-space points, in the order the weights refer to.
    const std::array<Ponto, 3>& pontos() const { return p_; }
    /// The heights its scan walk spans, possibly beyond the frame.
    std::int64_t topo() const { return tela_.v[0].y; }
    std::int64_t base() const { return tela_.v[2].y; }

    /// For every candidate pixel at the heights of the band that is nearer than the depth
    /// stored there: stores its depth, then calls pinta(x, y, pesos), y counted upwards (row
    /// LADO_TELA - y).
    template <class Pinta>
    void preenche(ZBuffer& z, Pinta&& pinta, const FaixaLinhas& faixa = {}) const;

private:
    void escolhe_eixos(const Vetor& face);

    double d_ = 1, hx_ = 1, hy_ = 1; // of the camera
    std::array<Ponto, 3> p_;
    Vetor face_;
    double plano_ = 0; // the plane is every Q with face . Q = plano_
    // The weights are taken in two camera axes: x and y, or, for a plane that holds the
    // viewing direction and so has no area there, the pair that keeps its area.
    int eixo_u_ = 0, eixo_v_ = 1;
    std::array<double, 3> u_{}, v_{}; // the points' coordinates on those axes
    double determinante_ = 0;
    TrianguloTela tela_;
};

template <class Pinta>
void TrianguloProfundidade::preenche(ZBuffer& z, Pinta&& pinta, const FaixaLinhas& faixa) const {
    // A triangle with no area on its axes covers no pixel (weights of 0 would paint it black at
    // depth 0 over what lies there).
    if (std::fabs(determinante_) < TOLERANCIA_DETERMINANTE) return;
    const double d = d_, hx = hx_, hy = hy_;
    const Ponto &a = p_[0], &b = p_[1], &c = p_[2];

    percorre_linhas(
        tela_,
        [&](const LinhaVarredura& linha) {
            const double ys = (static_cast<double>(linha.y) / MEIO_LADO - 1) * hy;
            // The stretch of the span comes from the edges as if the frame had no border; the
            // border only limits which columns are visited.
            const std::int64_t xl = arredonda(linha.esquerda), xr = arredonda(linha.direita);
            const double oL = linha.esquerda - static_cast<double>(xl);
            const double oR = linha.direita - static_cast<double>(xr);
            const double k = xr == xl ? 0.0 : (oR - oL) / static_cast<double>(xr - xl);
            const std::int64_t fim = std::min(xr, ULTIMA_LINHA);
            for (std::int64_t x = std::max<std::int64_t>(xl, 0); x <= fim; ++x) {
                const double xp = static_cast<double>(x) + oL + static_cast<double>(x - xl) * k;
                const double xs = (xp / MEIO_LADO - 1) * hx;
                const double raio = face_.x * xs + face_.y * ys + face_.z * d;
                if (raio == 0) continue; // the ray runs parallel to the plane and never meets it
                const double s = plano_ / raio;
                const double encontro[3] = {s * xs, s * ys, s * d}; // where the ray meets the plane
                const Baricentricas w =
                    baricentricas_det(determinante_, u_[0], v_[0], u_[1], v_[1], u_[2], v_[2],
                                      encontro[eixo_u_], encontro[eixo_v_]);
                if (!(w.a > TOLERANCIA_PESO && w.b > TOLERANCIA_PESO && w.c > TOLERANCIA_PESO))
                    continue;
                const double profundidade = w.a * a.zv + w.b * b.zv + w.c * c.zv;
                const int coluna = static_cast<int>(x), altura = static_cast<int>(linha.y);
                if (z.testa_e_grava(coluna, altura, profundidade)) pinta(coluna, altura, w);
            }
        },
        faixa);
}

} // namespace quindra
