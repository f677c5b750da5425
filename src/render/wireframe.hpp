// The wireframe renderers: every edge cut at the focal plane; hidden lines removed by painting
// black triangles far to near; and the tetrahedron of the first four points, uncut.
#pragma once

#include "scene/camera.hpp"
#include "scene/triangulo.hpp"
#include "view/tela.hpp"

namespace quindra {

/// Clears the frame (its outline takes the pen left by the previous draw) and draws every
/// triangle's edges in the list's current order.
Bitmap& desenha_arame(Bitmap& tela, const Malha& malha, const Camera& camera);

/// The triangle's edges and, when it crosses the focal plane, the segment joining its two
/// crossing points.
void desenha_triangulo_arame(Bitmap& tela, const ListaDePontos& pontos, const Camera& camera,
                             const Triangulo& triangulo);

/// Paints the triangles far to near, each black with a yellow outline, so nearer ones hide what
/// lies behind them. Leaves the triangle list sorted nearest first.
Bitmap& desenha_arame_oculto(Bitmap& tela, Malha& malha, const Camera& camera);

/// The six edges between the first four points, projected without any clipping. An object of
/// three points gets the three edges among them.
Bitmap& desenha_tetraedro(Bitmap& tela, const Malha& malha, const Camera& camera);

/// Draws the part of a normalised-screen segment that lies in the visible square.
void desenha_segmento_visivel(Bitmap& tela, double xn1, double yn1, double xn2, double yn2);

} // namespace quindra
