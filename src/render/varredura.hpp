// The scan walk the Gouraud and Phong rasterisers share. A triangle is taken as three whole
// screen positions, column x and height y counted upwards from the bottom of the frame (pixel
// row LADO_TELA - y), and walked scan line by scan line from the top down between its left and
// right edges. Only heights inside the frame are visited, however large the triangle.
#pragma once

#include <algorithm>
#include <array>
#include <cassert>
#include <cstdint>

#include "scene/camera.hpp"
#include "view/coordenadas.hpp"
#include "view/tela.hpp"

namespace quindra {

inline constexpr std::int64_t ULTIMA_LINHA = LADO_TELA - 1;

/// A vertex on the screen: column x from the left, height y from the bottom.
struct VerticeTela {
    std::int64_t x = 0, y = 0;

    friend bool operator==(const VerticeTela&, const VerticeTela&) = default;
};

using VerticesTela = std::array<VerticeTela, 3>;

/// The screen position of a camera-space point at or beyond the focal plane, rounded half to
/// even; a position that overflows lands far off the frame instead of being undefined.
VerticeTela projeta_vertice(const Camera& camera, const Ponto& p);

/// True when the three positions lie wholly off one side of the frame: all left of column 0,
/// right of column 600, below height 0 or above height 600.
bool fora_do_quadro(const VerticesTela& v);

/// True when the three positions lie in one column or at one height: no scan walk spans them.
bool em_linha(const VerticesTela& v);

/// True when the three positions cannot make a scan walk: in one line, or off the frame.
inline bool fora_de_alcance(const VerticesTela& v) { return em_linha(v) || fora_do_quadro(v); }

/// The vertices from the highest down; origem[i] is the index, as passed, of v[i].
struct TrianguloTela {
    VerticesTela v;
    std::array<int, 3> origem{0, 1, 2};
};

/// Orders by height with three conditional swaps (first-second, first-third, second-third), so
/// that vertices at equal heights keep their order.
TrianguloTela ordena_por_altura(const VerticesTela& v);

/// One scan line: its height, the exact edge positions there, and whether it opens a part of
/// the triangle (the part above the middle vertex, or the one below it).
struct LinhaVarredura {
    std::int64_t y = 0;
    double esquerda = 0, direita = 0;
    bool primeira = false;
};

namespace detalhe {

struct Aresta {
    double x = 0;
    double inclinacao = 0; // x change per scan line going down
    VerticeTela topo;      // the vertex the edge starts from
};

/// Change of x per scan line going down from de to para; 0 for a horizontal edge.
double inclinacao(const VerticeTela& de, const VerticeTela& para);

template <class Visita>
void percorre_parte(std::int64_t topo, std::int64_t base, Aresta& esquerda, Aresta& direita,
                    const FaixaLinhas& faixa, Visita& visita) {
    if (topo > ULTIMA_LINHA) {
        // Start where the edges cross the top of the frame, as if walked from their vertices.
        for (Aresta* a : {&esquerda, &direita})
            a->x = static_cast<double>(a->topo.x) +
                   a->inclinacao * static_cast<double>(a->topo.y - ULTIMA_LINHA);
        topo = ULTIMA_LINHA;
    }
    // Lines above the band are stepped through, not visited: an edge's position at a line is
    // the sum of every step from its start, the same in every band.
    base = std::max(base, faixa.primeira);
    bool primeira = true;
    for (std::int64_t y = topo; y >= base; --y) {
        if (y <= faixa.ultima) visita(LinhaVarredura{y, esquerda.x, direita.x, primeira});
        primeira = false;
        esquerda.x += esquerda.inclinacao;
        direita.x += direita.inclinacao;
    }
}

} // namespace detalhe

/// Calls visita(LinhaVarredura) for every scan line of the ordered triangle at the heights of
/// the band (0..599 by default), from the top down; the line of the middle vertex is visited by
/// both parts. The triangle must have passed fora_de_alcance.
template <class Visita>
void percorre_linhas(const TrianguloTela& t, Visita&& visita, const FaixaLinhas& faixa = {}) {
    using detalhe::Aresta;
    const VerticeTela &a = t.v[0], &b = t.v[1], &c = t.v[2];
    assert(a.y > c.y);
    const double m12 = detalhe::inclinacao(a, b);
    const double m23 = detalhe::inclinacao(b, c);
    const double m13 = detalhe::inclinacao(a, c);
    const auto ax = static_cast<double>(a.x), bx = static_cast<double>(b.x);

    if (a.y == b.y) { // flat top: one part, between the edges a-c and b-c
        Aresta esquerda{ax, m13, a}, direita{bx, m23, b};
        if (m13 < m23) esquerda = {bx, m23, b}, direita = {ax, m13, a};
        detalhe::percorre_parte(a.y, c.y, esquerda, direita, faixa, visita);
        return;
    }
    Aresta esquerda{ax, m12 < m13 ? m12 : m13, a}, direita{ax, m12 < m13 ? m13 : m12, a};
    detalhe::percorre_parte(a.y, b.y, esquerda, direita, faixa, visita);
    if (b.y == c.y) return;
    // One step back leaves both edges at the middle vertex's height, where the lower part
    // starts; the edge ending at b gives way to b-c.
    esquerda.x -= esquerda.inclinacao;
    direita.x -= direita.inclinacao;
    if (m13 >= m23) {
        esquerda.inclinacao = m13, esquerda.topo = a;
        direita.inclinacao = m23, direita.topo = b;
    } else {
        esquerda.inclinacao = m23, esquerda.topo = b;
        direita.inclinacao = m13, direita.topo = a;
    }
    detalhe::percorre_parte(b.y, c.y, esquerda, direita, faixa, visita);
}

} // namespace quindra
