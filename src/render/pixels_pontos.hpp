// Every mesh point projected once per Draw, so that a triangle that covers no pixel is turned
// away before it is cut, copied or set up, by the very test its rasteriser would make.
#pragma once

#include <optional>

#include "render/varredura.hpp"
#include "scene/camera.hpp"
#include "scene/triangulo.hpp"

namespace quindra {

/// Fills the mesh's pixel per point for the current camera coordinates, on every core.
void projeta_pontos(Malha& malha, const Camera& camera);

/// The screen positions of a triangle whose three points lie beyond the focal plane by more than
/// the cut's tolerance: the cut draws it whole, so these are the positions its rasteriser
/// projects. Nothing for any other triangle.
std::optional<VerticesTela> vertices_alem(const Malha& malha, const Triangulo& triangulo);

} // namespace quindra
