// The local illumination model every shading renderer uses: ambient, then per light a Lambert
// term and a mirror-direction specular term, on a two-sided surface.
#pragma once

#include "geometry/instrumental_basico.hpp"
#include "scene/cena.hpp"
#include "scene/material.hpp"

namespace quindra {

/// The unit vector from the camera-space point p towards the eye, which is the origin.
Vetor para_o_olho(const Ponto& p);

/// The colour (0..255 per channel) of the camera-space point p with unit normal n. The side
/// is chosen by where the eye stands; a point seen edge-on takes side 2.
Cor ilumina(const Ponto& p, const Vetor& n, const Material& material, const Cena& cena);

/// The same model for a side chosen by the caller: its diffuse and specular colours OdAtual
/// and OsAtual, and the normal n used as given (any length, never reversed).
Cor ilumina_phong(const Ponto& p, const Vetor& n, const Cor& OdAtual, const Cor& OsAtual,
                  const Material& material, const Cena& cena);

} // namespace quindra
