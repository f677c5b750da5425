// The local illumination model every shading renderer uses: ambient, then per light a Lambert
// term and a mirror-direction specular term, on a two-sided surface.
#pragma once

#include "geometry/instrumental_basico.hpp"
#include "scene/cena.hpp"
#include "scene/material.hpp"

namespace quindra {

/// The colour (0..255 per channel) of the camera-space point p with unit normal n. The side
/// is chosen by where the eye (the origin) stands; a point seen edge-on takes side 2.
Cor ilumina(const Ponto& p, const Vetor& n, const Material& material, const Cena& cena);

} // namespace quindra
