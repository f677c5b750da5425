// Every point of the view projected once per Draw, so that a triangle that covers no pixel is
// turned away before it is cut, copied or set up, by the very test its rasteriser would make.
#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <optional>

#include "render/varredura.hpp"
#include "render/vista.hpp"
#include "scene/camera.hpp"
#include "view/corte.hpp"

namespace quindra {

/// Fills the view's pixel per point from its camera coordinates, on every core.
void projeta_pontos(Vista& vista, const Camera& camera);

/// True for a depth beyond the focal plane d that the cut neither pushes nearer nor finds near.
inline bool alem_do_plano(double zv, double d) {
    return !(std::fabs(zv - d) < TOLERANCIA_CORTE) && !(zv < d);
}

/// The screen positions of a triangle whose three points lie beyond the focal plane by more than
/// the cut's tolerance: the cut draws it whole, so these are the positions its rasteriser
/// projects. Nothing for any other triangle.
std::optional<VerticesTela> vertices_alem(const Vista& vista,
                                          const std::array<std::size_t, 3>& vertices, double d);

} // namespace quindra
