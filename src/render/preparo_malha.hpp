// What the flat, Gouraud and Phong renderers do to the mesh before they draw it.
#pragma once

#include "scene/triangulo.hpp"

namespace quindra {

/// True when every triangle names points 1..NumPontos that exist in Pontos, so that the arrays
/// kept per point (vertex normals and colours, sized NumPontos) can be indexed by them. The
/// loader only makes such meshes; anything else is drawn as an empty frame.
bool malha_desenhavel(const Malha& malha);

/// Every triangle's normal for the current camera coordinates, on every core. Renderers that
/// sort compute them before the sort, which carries them along: the list then still reads the
/// points close to the order they are stored in, not scattered by depth.
void calcula_normais_faces(Malha& malha);

/// The vertex normals rebuilt from the triangles' normals, summed in list order.
void refaz_normais_vertices(Malha& malha);

/// Both, one after the other.
void recalcula_normais(Malha& malha);

} // namespace quindra
