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

/// Pixels of a scan line weighed together: few enough to stay in the first cache, enough for
/// the compiler to weigh several at a time.
inline constexpr int PIXELS_POR_TRECHO = 32;

/// A run of pixels x0 .. x0 + n - 1 of one scan line (n <= PIXELS_POR_TRECHO), with the line's
/// height on the camera's screen and the span's stretch (none: each pixel through its centre).
struct Trecho {
    std::int64_t x0 = 0;
    int n = 0;
    double ys = 0;
    std::int64_t xl = 0; // the span's rounded left edge
    double oL = 0, k = 0;
};

/// Each pixel's weights and depth, and its ray's slant to the plane (0 when the ray runs
/// parallel to it and never meets it).
struct PesosTrecho {
    std::array<double, PIXELS_POR_TRECHO> a, b, c, profundidade, raio;
};

/// True when a triangle with these screen positions and vertex depths can paint no pixel that
/// passes the depth test against what z holds: every pixel its walk could visit already holds a
/// depth no farther than the nearest its blend reaches. Looked at only for triangles of a few
/// pixels, where the look costs less than a set-up; false for the others.
bool escondido(const ZBuffer& z, const VerticesTela& v, double za, double zb, double zc);

/// One (sub-)triangle in camera space, ready to be walked.
class TrianguloProfundidade {
public:
    /// Projects the points (in the order their weights will refer to) and orders the screen
    /// positions. False when the triangle lies wholly off one side of the frame: then nothing of
    /// it is drawn, and the renderer runs none of its per-triangle steps either.
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
    /// Paints the candidate pixels of one scan line from column trecho.xl (at least 0) to fim.
    template <class Pinta>
    void pinta_linha(ZBuffer& z, int altura, Trecho trecho, std::int64_t fim, PesosTrecho& pesos,
                     Pinta& pinta) const;
    /// Weighs every pixel of the run, with no test: the plain loop the compiler vectorises.
    void pesa_trecho(const Trecho& trecho, PesosTrecho& pesos) const;

    double d_ = 1, hx_ = 1, hy_ = 1; // of the camera
    std::array<Ponto, 3> p_;
    Vetor face_;
    double plano_ = 0; // the plane is every Q with face . Q = plano_
    // The weights are taken in two camera axes: x and y, or, for a plane that holds the
    // viewing direction and so has no area there, the pair that keeps its area.
    int eixo_u_ = 0, eixo_v_ = 1;
    std::array<double, 3> u_{}, v_{}; // the points' coordinates on those axes
    double determinante_ = 0;
    bool tem_area_ = false;
    bool em_linha_ = false; // its screen positions share one column or one height
    double mais_perto_ = 0; // no pixel of the triangle gets a nearer depth than this
    TrianguloTela tela_;
};

template <class Pinta>
void TrianguloProfundidade::preenche(ZBuffer& z, Pinta&& pinta, const FaixaLinhas& faixa) const {
    // A triangle with no area on its axes covers no pixel (weights of 0 would paint it black at
    // depth 0 over what lies there).
    if (!tem_area_) return;
    PesosTrecho pesos;
    if (em_linha_) {
        // Rounded into one column or one height, the triangle spans no scan line; it may still
        // hold the centre of a pixel it lies on, and where only such triangles cover a pixel
        // nobody else paints it. Each pixel of that line is tried through its own centre.
        const auto [esquerda, direita] = std::minmax({tela_.v[0].x, tela_.v[1].x, tela_.v[2].x});
        Trecho trecho;
        trecho.xl = std::max<std::int64_t>(esquerda, 0);
        const std::int64_t fim = std::min(direita, ULTIMA_LINHA);
        const std::int64_t topo = std::min({tela_.v[0].y, ULTIMA_LINHA, faixa.ultima});
        const std::int64_t base = std::max({tela_.v[2].y, std::int64_t{0}, faixa.primeira});
        for (std::int64_t y = topo; y >= base; --y) {
            trecho.ys = (static_cast<double>(y) / MEIO_LADO - 1) * hy_;
            pinta_linha(z, static_cast<int>(y), trecho, fim, pesos, pinta);
        }
        return;
    }
    percorre_linhas(
        tela_,
        [&](const LinhaVarredura& linha) {
            // The stretch of the span comes from the edges as if the frame had no border; the
            // border only limits which columns are visited.
            Trecho trecho;
            trecho.ys = (static_cast<double>(linha.y) / MEIO_LADO - 1) * hy_;
            trecho.xl = arredonda(linha.esquerda);
            const std::int64_t xr = arredonda(linha.direita);
            trecho.oL = linha.esquerda - static_cast<double>(trecho.xl);
            const double oR = linha.direita - static_cast<double>(xr);
            trecho.k =
                xr == trecho.xl ? 0.0 : (oR - trecho.oL) / static_cast<double>(xr - trecho.xl);
            pinta_linha(z, static_cast<int>(linha.y), trecho, std::min(xr, ULTIMA_LINHA), pesos,
                        pinta);
        },
        faixa);
}

template <class Pinta>
void TrianguloProfundidade::pinta_linha(ZBuffer& z, int altura, Trecho trecho, std::int64_t fim,
                                        PesosTrecho& pesos, Pinta& pinta) const {
    const double* guardadas = z.linha(altura);
    for (trecho.x0 = std::max<std::int64_t>(trecho.xl, 0); trecho.x0 <= fim;
         trecho.x0 += PIXELS_POR_TRECHO) {
        trecho.n = static_cast<int>(std::min<std::int64_t>(PIXELS_POR_TRECHO, fim - trecho.x0 + 1));
        // Where everything stored is at least as near as the triangle can come, the depth test
        // would turn every pixel away.
        if (std::all_of(guardadas + trecho.x0, guardadas + trecho.x0 + trecho.n,
                        [this](double guardada) { return guardada <= mais_perto_; }))
            continue;
        pesa_trecho(trecho, pesos);
        for (std::size_t i = 0; i < static_cast<std::size_t>(trecho.n); ++i) {
            if (pesos.raio[i] == 0) continue;
            const Baricentricas w{pesos.a[i], pesos.b[i], pesos.c[i]};
            if (!(w.a > TOLERANCIA_PESO && w.b > TOLERANCIA_PESO && w.c > TOLERANCIA_PESO))
                continue;
            const auto coluna = static_cast<int>(trecho.x0 + static_cast<std::int64_t>(i));
            if (z.testa_e_grava(coluna, altura, pesos.profundidade[i])) pinta(coluna, altura, w);
        }
    }
}

} // namespace quindra
