// Gouraud shading: the illumination model once per mesh point, the vertex colours blended
// across each triangle. Two ways to decide visibility: far to near (painter's algorithm), or
// per pixel with the depth buffer.
#pragma once

#include <array>

#include "render/desenho.hpp"
#include "render/varredura.hpp"
#include "view/z_buffer.hpp"

namespace quindra {

/// Triangles blended in screen space, painted from the farthest centroid to the nearest, in
/// the colours the view gave their vertices.
void desenha_gouraud_pintor(const Desenho& desenho);

/// Triangles blended in camera space and kept per pixel where they are nearest.
void desenha_gouraud_zbuffer(const Desenho& desenho);

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
