// What the painter's renderers share: the far-to-near order and the part of each triangle that
// lies beyond the focal plane.
#pragma once

#include <array>
#include <span>

#include "scene/camera.hpp"
#include "scene/triangulo.hpp"
#include "view/tela.hpp"

namespace quindra {

/// Depth keys for the current camera, then the list sorted nearest first.
void ordena_para_pintor(Malha& malha);

/// Up to four camera-space vertices (xv, yv, zv) of a polygon to paint.
struct PoligonoVisivel {
    std::array<Ponto, 4> vertices;
    int quantos = 0;

    std::span<const Ponto> pontos() const {
        return {vertices.data(), static_cast<std::size_t>(quantos)};
    }
};

/// The part of the triangle beyond the plane zv = d: the whole triangle, a triangle or a
/// quadrilateral with its crossing points on the plane, in boundary order; nothing when the
/// triangle is wholly nearer. May push a vertex lying on the plane slightly nearer.
PoligonoVisivel poligono_visivel(const Triangulo& triangulo, ListaDePontos& pontos, double d);

/// Fills the polygon through the pixels of its vertices with the brush colour cor and outlines
/// it with the current pen. Vertices off the frame are passed on: only the inside is painted.
void preenche_poligono(Bitmap& tela, const Camera& camera, const PoligonoVisivel& poligono,
                       CorPixel cor);

} // namespace quindra
