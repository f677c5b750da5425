// Phong shading: per pixel, the surface point and its normal are blended from the triangle's
// vertices by the weights of the point the pixel's ray meets, the depth buffer decides what is
// seen, and the illumination model runs at that point. The textured variant takes the diffuse
// colour of a range of triangles from a projected image.
#pragma once

#include "render/desenho.hpp"

namespace quindra {

/// Every triangle, nearest centroid first, lit per pixel; the vertex normals that face away
/// from the eye are turned across the line of sight, in list order.
void desenha_phong(const Desenho& desenho);

/// As desenha_phong, but in the list's current order (it is not sorted), and the triangles at
/// the positions of the range take their diffuse colour from the texture through the
/// projection, with their vertex normals used as they stand.
void desenha_phong_textura(const Desenho& desenho);

} // namespace quindra
