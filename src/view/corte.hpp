// Clipping at the focal plane zv = d and at the borders of the visible square.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <type_traits>

#include "scene/triangulo.hpp"

namespace quindra {

enum CorteSegmento : int {
    SEGMENTO_INVISIVEL = 0, // wholly nearer than the plane
    SEGMENTO_INTEIRO = 1,   // drawn as it is
    PRIMEIRO_EXTREMO_MOVIDO = 2,
    SEGUNDO_EXTREMO_MOVIDO = 3,
};

/// Cuts a camera-space segment where it crosses the plane zv = d, moving its near end onto it.
int corta_segmento(double& x1, double& y1, double& z1, double& x2, double& y2, double& z2,
                   double d);

/// Clips a normalised-screen segment to the square -1..1; the ends may come back exchanged.
/// False when nothing of it is visible.
bool recorta_segmento(double& x1, double& y1, double& x2, double& y2);

/// Which of a triangle's vertices lie nearer than the focal plane: the cases the cut tells apart.
enum class CasoCorte { TodoPerto, TodoAlem, Perto1, Perto12, Perto13, Perto2, Perto23, Perto3 };

/// How close to the focal plane a vertex counts as lying on it.
inline constexpr double TOLERANCIA_CORTE = 1e-8;

/// Classifies the triangle against the plane zv = d. A vertex within 1e-8 of the plane is pushed
/// 1e-8 nearer, in the shared point itself, so that no vertex lies on the plane.
CasoCorte classifica_triangulo(const Triangulo& triangulo, ListaDePontos& pontos, double d);

/// a + (b - a) t: the blend along a cut edge, for each coordinate, colour channel or normal
/// component alike.
inline double interpola(double a, double b, double t) { return a + (b - a) * t; }
inline Cor interpola(const Cor& a, const Cor& b, double t) {
    return {interpola(a.r, b.r, t), interpola(a.g, b.g, t), interpola(a.b, b.b, t)};
}
inline Vetor interpola(const Vetor& a, const Vetor& b, double t) {
    return {interpola(a.x, b.x, t), interpola(a.y, b.y, t), interpola(a.z, b.z, t)};
}

/// Where a crossing point lies: the fraction t of the way from slot de to slot para (de < para).
struct CorteAresta {
    int de = 0, para = 0;
    double t = 0;
};

/// The part of a triangle beyond the focal plane, over five vertex slots: slots 0, 1 and 2 are
/// the triangle's vertices 1, 2 and 3; slots 3 and 4 the points where two of its edges cross
/// the plane. That part is one polygon (for the painter's renderers) or, alike, one or two
/// sub-triangles (for the interpolating ones); nothing when the triangle is wholly nearer.
class CorteTriangulo {
public:
    /// Cuts the triangle, whose point numbers must lie within pontos (see classifica_triangulo).
    CorteTriangulo(const Triangulo& triangulo, ListaDePontos& pontos, double d);

    /// Positions in Pontos of the triangle's vertices 1, 2 and 3.
    std::array<std::size_t, 3> indices;
    /// Camera coordinates of every slot; the crossing points lie on the plane.
    std::array<Ponto, 5> pontos;
    /// How slots 3 and 4 were made, for blending whatever else the vertices carry.
    std::array<CorteAresta, 2> cortes{};

    /// The polygon's slots in boundary order: 3 or 4 of them, none when wholly nearer.
    std::span<const int> poligono() const;
    /// How many sub-triangles there are (0, 1 or 2), and the slots of sub-triangle n.
    int quantas_partes() const;
    std::array<std::size_t, 3> parte(int n) const;

private:
    CasoCorte caso_;
};

/// The values at the two crossing slots, each blended along its edge from the values at its
/// ends; valor(slot) gives the value at slots 0..2.
template <class T, class Valor>
std::array<T, 2> interpola_cortes(const CorteTriangulo& corte, Valor&& valor) {
    std::array<T, 2> nos_cortes;
    for (std::size_t j = 0; j < 2; ++j) {
        const CorteAresta& c = corte.cortes[j];
        nos_cortes[j] = interpola(valor(c.de), valor(c.para), c.t);
    }
    return nos_cortes;
}

/// Calls parte(points, values) for each sub-triangle of the cut: its three camera-space points
/// and pointers to the values its vertices carry. valor(slot) gives a reference to the value at
/// slots 0..2; the values at the crossing slots are blended along their edges before the
/// first sub-triangle, and a sub-triangle may change any of them for the next.
template <class T, class Valor, class Parte>
void para_cada_parte(const CorteTriangulo& corte, Valor&& valor, Parte&& parte) {
    using Simples = std::remove_const_t<T>;
    std::array<Simples, 2> nos_cortes = interpola_cortes<Simples>(corte, valor);
    const auto em = [&](std::size_t slot) -> T* {
        return slot < 3 ? &valor(static_cast<int>(slot)) : &nos_cortes[slot - 3];
    };
    for (int n = 0; n < corte.quantas_partes(); ++n) {
        const auto [i, j, k] = corte.parte(n);
        parte(std::array<Ponto, 3>{corte.pontos[i], corte.pontos[j], corte.pontos[k]},
              std::array<T*, 3>{em(i), em(j), em(k)});
    }
}

} // namespace quindra
