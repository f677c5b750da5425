// Gouraud shading: the illumination model once per mesh point, the vertex colours blended
// across each triangle. Two ways to decide visibility: far to near (painter's algorithm), or
// per pixel with the depth buffer.
#pragma once

#include <array>

#include "render/varredura.hpp"
#include "scene/cena.hpp"
#include "scene/material.hpp"
#include "scene/triangulo.hpp"
#include "view/z_buffer.hpp"

namespace quindra {

/// Black frame with a yellow outline; triangles blended in screen space, painted from the
/// farthest centroid to the nearest. Leaves the triangle list sorted nearest first, with fresh
/// normals, vertex normals and vertex colours.
Bitmap& desenha_gouraud_pintor(Bitmap& tela, Malha& malha, const Camera& camera,
                               const Material& material, const Cena& cena);

/// White frame with a black outline; triangles blended in camera space and kept per pixel
/// where they are nearest. The caller clears z beforehand.
Bitmap& desenha_gouraud_zbuffer(Bitmap& tela, Malha& malha, const Camera& camera,
                                const Material& material, const Cena& cena, ZBuffer& z);

/// One black colour per point of the mesh.
void cria_cores_vertices(Malha& malha);
/// Each point's colour: the illumination model at the point with its vertex normal.
void calcula_cores_vertices(Malha& malha, const Material& material, const Cena& cena);

/// Fills the screen triangle (heights counted upwards) with the colours blended by the pixel's
/// weights and truncated: a pixel is painted when its centre lies inside or on an edge. Only
/// the heights of the band are filled.
void preenche_triangulo_gouraud(Bitmap& tela, const VerticesTela& vertices,
                                const std::array<Cor, 3>& cores, const FaixaLinhas& faixa = {});

/// Fills the camera-space (sub-)triangle lying in the plane with normal face, blending depth
/// and colours by the weights of the point each pixel's ray meets.
void preenche_triangulo_gouraud_z(Bitmap& tela, ZBuffer& z, const Camera& camera, const Vetor& face,
                                  const std::array<Ponto, 3>& pontos,
                                  const std::array<Cor, 3>& cores);

} // namespace quindra
