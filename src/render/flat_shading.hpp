// Flat shading: one lit colour per triangle, painted far to near.
#pragma once

#include "render/pintor.hpp"
#include "scene/cena.hpp"
#include "scene/material.hpp"
#include "scene/tetraedros.hpp"

namespace quindra {

/// What tetrahedron mode changes: none, or the table that colours and hides groups of four.
struct ModoTetraedro {
    bool ligado = false;
    const TabelaDeTetraedros* tabela = nullptr;
};

/// Paints every triangle's visible part in the colour the illumination model gives at its
/// centre. In tetrahedron mode disabled tetrahedra are left out and the others take their
/// table colour as both diffuse colours. Leaves the triangle list sorted nearest first.
Bitmap& desenha_flat(Bitmap& tela, Malha& malha, const Camera& camera, const Material& material,
                     const Cena& cena, const ModoTetraedro& modo);

/// The polygon's colour: the illumination model once at the plain mean of its vertices,
/// rounded half to even.
CorPixel cor_plana(const Vetor& normal, const PoligonoVisivel& poligono, const Material& material,
                   const Cena& cena);

} // namespace quindra
