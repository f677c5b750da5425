// What the Gouraud and Phong renderers do to the mesh before they draw it.
#pragma once

#include "scene/triangulo.hpp"

namespace quindra {

/// True when every triangle names points 1..NumPontos that exist in Pontos, so that the arrays
/// kept per point (vertex normals and colours, sized NumPontos) can be indexed by them. The
/// loader only makes such meshes; anything else is drawn as an empty frame.
bool malha_desenhavel(const Malha& malha);

/// Every triangle's normal for the current camera coordinates, then the vertex normals rebuilt
/// from them.
void recalcula_normais(Malha& malha);

} // namespace quindra
