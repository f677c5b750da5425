// Clipping at the focal plane zv = d and at the borders of the visible square.
#pragma once

#include "scene/triangulo.hpp"

namespace quindra {

enum CorteSegmento : int {
    SEGMENTO_INVISIVEL = 0, // wholly nearer than the plane
    SEGMENTO_INTEIRO = 1,   // drawn as it is
    PRIMEIRO_EXTREMO_MOVIDO = 2,
    SEGUNDO_EXTREMO_MOVIDO = 3,
};

/// Cuts a camera-space segment where it crosses the plane zv = d, moving its near end onto it.
int corta_segmento(double& x1, double& y1, double& z1, double& x2, double& y2, double& z2,
                   double d);

/// Clips a normalised-screen segment to the square -1..1; the ends may come back exchanged.
/// False when nothing of it is visible.
bool recorta_segmento(double& x1, double& y1, double& x2, double& y2);

/// Where a triangle's crossing edges meet the plane zv = d: the parameter t of each crossing
/// edge a->b, so that the crossing point is Pa + t (Pb - Pa).
struct CortesTriangulo {
    double t12 = 0, t13 = 0, t23 = 0;
};

/// -1: wholly near; 0: wholly far; 1..6: which vertices are near (1; 1,2; 1,3; 2; 2,3; 3), with
/// the parameters of the two crossing edges written. A vertex within 1e-8 of the plane is pushed
/// 1e-8 nearer, in the shared point itself, so that no vertex lies on the plane.
int classifica_triangulo(const Triangulo& triangulo, ListaDePontos& pontos, double d,
                         CortesTriangulo& cortes);

} // namespace quindra
