// Phong shading: per pixel, the surface point and its normal are blended from the triangle's
// vertices by the weights of the point the pixel's ray meets, the depth buffer decides what is
// seen, and the illumination model runs at that point. The textured variant takes the diffuse
// colour of a range of triangles from a projected image.
#pragma once

#include <cstdint>

#include "scene/cena.hpp"
#include "scene/material.hpp"
#include "scene/triangulo.hpp"
#include "view/textura.hpp"
#include "view/z_buffer.hpp"

namespace quindra {

/// Black frame with a yellow outline, then every triangle, nearest centroid first, lit per
/// pixel. Leaves the list sorted nearest first, fresh normals, and the vertex normals that face
/// away from the eye turned across the line of sight. The caller clears z beforehand.
Bitmap& desenha_phong(Bitmap& tela, Malha& malha, const Camera& camera, const Material& material,
                      const Cena& cena, ZBuffer& z);

/// The 1-based positions in the triangle list, both included, that take the texture.
struct FaixaTextura {
    std::int32_t PrimeiraFaceTextura = 1, UltimaFaceTextura = 1;
};

/// As desenha_phong, but in the list's current order (it is not sorted), and the triangles at
/// the positions of faixa take their diffuse colour from Textura through the projection, with
/// their vertex normals used as they stand.
Bitmap& desenha_phong_textura(Bitmap& tela, Malha& malha, const Camera& camera,
                              const Material& material, const Cena& cena, ZBuffer& z,
                              const ProjecaoTextura& projecao, const Bitmap& Textura,
                              const FaixaTextura& faixa);

} // namespace quindra
