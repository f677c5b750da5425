// How the interpolating renderers cut a triangle at the focal plane: the part beyond it as one
// or two sub-triangles, over five vertex slots. Slots 0, 1 and 2 are the triangle's vertices 1,
// 2 and 3; slots 3 and 4 the points where two of its edges cross the plane zv = d.
#pragma once

#include <array>
#include <cstddef>

#include "scene/triangulo.hpp"

namespace quindra {

/// Where a crossing point lies: the fraction t of the way from slot de to slot para.
struct CorteAresta {
    int de = 0, para = 0;
    double t = 0;
};

struct Subdivisao {
    /// Positions in Pontos of the triangle's vertices 1, 2 and 3.
    std::array<std::size_t, 3> indices{};
    /// Camera coordinates of every slot; the crossing points lie on the plane.
    std::array<Ponto, 5> pontos;
    /// How slots 3 and 4 were made, for blending whatever else the vertices carry.
    std::array<CorteAresta, 2> cortes{};
    /// The sub-triangles, as slots in the order they are drawn.
    std::array<std::array<int, 3>, 2> partes{};
    int quantas = 0;

    /// The slots of sub-triangle n, ready to index five-element arrays.
    std::array<std::size_t, 3> slots(int n) const {
        const auto& p = partes[static_cast<std::size_t>(n)];
        return {static_cast<std::size_t>(p[0]), static_cast<std::size_t>(p[1]),
                static_cast<std::size_t>(p[2])};
    }
};

/// Classifies the triangle against the plane zv = d (which may push a vertex lying on it
/// slightly nearer) and lists the sub-triangles beyond it: none when it is wholly nearer.
/// The triangle's point numbers must lie within pontos.
Subdivisao subdivide_triangulo(const Triangulo& triangulo, ListaDePontos& pontos, double d);

/// a + (b - a) t: the blend along a cut edge, for each coordinate, colour channel or normal
/// component alike.
inline double interpola(double a, double b, double t) { return a + (b - a) * t; }

} // namespace quindra
