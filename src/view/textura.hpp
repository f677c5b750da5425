// Projected texture mapping: an image laid on the object's bounding rectangle in the world x-y
// plane and carried along the world z axis, so a surface point takes the texel found at its
// world x and y, whatever its z. Nothing is stored per point: each lit pixel looks its texel up
// from its camera-space position.
#pragma once

#include "scene/camera.hpp"
#include "scene/triangulo.hpp"
#include "view/bitmap.hpp"

namespace quindra {

/// The rectangle and direction of the projection, in camera coordinates of the current draw.
/// The first values hold until the first prepara_textura.
struct ProjecaoTextura {
    Ponto OrigemTextura, CantoU, CantoV;  // world (min x, min y), (max x, min y), (min x, max y)
    Vetor EixoU{1, 0, 0}, EixoV{0, 1, 0}; // CantoU and CantoV from OrigemTextura
    Vetor DirecaoProjecao{0, 0, 1};       // the world z axis
};

/// Recomputes the projection from the mesh's world points and the camera; leaves it as it was
/// when the mesh has no points.
void prepara_textura(ProjecaoTextura& projecao, const Malha& malha, const Camera& camera);

/// Fractions across (u) and up (v) the image; 0..1 for points of the mesh.
struct CoordenadasTextura {
    double u = 0, v = 0;
};

/// Where the camera-space point p falls on the image: p is carried along the projection
/// direction into the rectangle's plane, then measured along its two axes (0 on a null axis).
CoordenadasTextura coordenadas_textura(const ProjecaoTextura& projecao, const Ponto& p);

/// The image's pixel at column trunc(W u), row H - trunc(H v) (v = 1 is the top row, v = 0 one
/// row below the image); black outside the image.
CorPixel texel(const Bitmap& textura, const CoordenadasTextura& coordenadas);

} // namespace quindra
