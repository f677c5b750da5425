// The local illumination model every shading renderer uses: ambient, then per light a Lambert
// term and a mirror-direction specular term, on a two-sided surface.
#pragma once

#include "geometry/instrumental_basico.hpp"
#include "scene/cena.hpp"
#include "scene/material.hpp"

namespace quindra {

/// The unit vector from the camera-space point p towards the eye, which is the origin.
Vetor para_o_olho(const Ponto& p);

/// A side's colours as the model weighs them: Od Kd / 255, Os Ks / 255, and the ambient term
/// Ia Ka, which the surface colour does not touch. Constant over a face, so a renderer that
/// lights every pixel works them out once per face.
struct Refletancias {
    Cor difusa, especular, ambiente;
};

/// Od Kd / 255, the weighed diffuse colour.
Cor pondera_difusa(const Cor& Od, const Material& material);
/// The weighed colours of the side whose diffuse and specular colours are Od and Os.
Refletancias refletancias(const Cor& Od, const Cor& Os, const Material& material, const Cena& cena);

/// The colour (0..255 per channel) of the camera-space point p with unit normal n. The side
/// is chosen by where the eye stands; a point seen edge-on takes side 2.
Cor ilumina(const Ponto& p, const Vetor& n, const Material& material, const Cena& cena);

/// The same model for a side chosen by the caller, with its weighed colours, and the normal n
/// used as given (any length, never reversed).
Cor ilumina_phong(const Ponto& p, const Vetor& n, const Refletancias& lado,
                  const Material& material, const Cena& cena);

} // namespace quindra
