// The wireframe renderers: every edge cut at the focal plane; hidden lines removed by painting
// black triangles far to near; and the tetrahedron of the first four points, uncut.
#pragma once

#include "render/desenho.hpp"
#include "scene/camera.hpp"
#include "view/tela.hpp"

namespace quindra {

/// Every triangle's edges, in the list's current order.
void desenha_arame(const Desenho& desenho);

/// The triangle's edges and, when it crosses the focal plane, the segment joining its two
/// crossing points.
void desenha_triangulo_arame(Bitmap& tela, const ListaDePontos& pontos, const Camera& camera,
                             const Triangulo& triangulo);

/// Paints the triangles far to near, each black with a yellow outline, so nearer ones hide what
/// lies behind them.
void desenha_arame_oculto(const Desenho& desenho);

/// The six edges between the first four points, projected without any clipping. An object of
/// three points gets the three edges among them.
void desenha_tetraedro(const Desenho& desenho);

/// Draws the part of a normalised-screen segment that lies in the visible square.
void desenha_segmento_visivel(Bitmap& tela, double xn1, double yn1, double xn2, double yn2);

} // namespace quindra
