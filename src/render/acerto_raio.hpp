// Where a ray meets the object, in double precision. The acceleration structure works in single
// precision and only names the triangle met; the point is then the crossing of the ray with that
// triangle's plane, computed from the camera coordinates exactly as the depth-buffered
// rasterisers compute a pixel's, and blended from the vertices by its weights.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "render/vista.hpp"
#include "view/coordenadas.hpp"

namespace quindra {

struct Acerto {
    /// 0-based point indices, in the triangle's vertex order.
    std::array<std::uint32_t, 3> vertices;
    /// The triangle's unit normal in camera space, as calcula_normais_faces gives it.
    Vetor face;
    /// The weights of the three vertices at the point.
    Baricentricas pesos;
    /// Camera coordinates, blended from the vertices by the weights.
    Ponto ponto;
};

/// The crossing of the camera-space ray origem + s direcao (s > 0) with the plane of the
/// triangle; none when the ray runs parallel to that plane or meets it behind origem, or the
/// triangle has no area.
std::optional<Acerto> refina_acerto(const ListaDePontos& pontos,
                                    const std::array<std::uint32_t, 3>& vertices,
                                    const Vetor& origem, const Vetor& direcao);

/// The normal the shading uses, seen from origem: the vertex normals blended by the weights,
/// each first turned across the line of sight from origem when it faces away from it (as the
/// Phong renderer turns them for the eye). Not renormalised.
Vetor normal_suave(const Vista& vista, const Acerto& acerto, const Vetor& origem);

/// Where rays leaving the hit on the side it is seen from (the back of the face when verso)
/// start. On a curved surface cut into flat triangles the point is first lifted to where the
/// smooth surface of the vertex normals would pass, so that a light the smooth normal faces is
/// not hidden by the triangle's own neighbours; then it is moved folga off the plane.
Vetor origem_afastada(const Vista& vista, const Acerto& acerto, bool verso, double folga);

} // namespace quindra
