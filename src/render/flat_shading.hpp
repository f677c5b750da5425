// Flat shading: one lit colour per triangle, painted far to near.
#pragma once

#include <span>

#include "render/desenho.hpp"
#include "render/pintor.hpp"

namespace quindra {

/// Paints every triangle's visible part in the colour the illumination model gives at its
/// centre, far to near. In tetrahedron mode disabled tetrahedra are left out and the others take
/// their table colour as both diffuse colours.
void desenha_flat(const Desenho& desenho);

/// A polygon's colour: the illumination model once at the plain mean of its camera-space
/// vertices, rounded half to even.
CorPixel cor_plana(const Vetor& normal, std::span<const Ponto* const> vertices,
                   const Material& material, const Cena& cena);

} // namespace quindra
