// World to camera space, the perspective projection to pixels, and barycentric weights.
#pragma once

#include <cmath>
#include <cstdint>

#include "geometry/arredondamento.hpp"
#include "scene/camera.hpp"
#include "view/tela.hpp"

namespace quindra {

/// Writes p's camera coordinates from its world ones; only world z is scaled by fator_z.
void transforma_ponto(Ponto& p, const Camera& camera, double fator_z);

/// Half the frame's side: normalised screen coordinates -1..1 map to 0..LADO_TELA.
inline constexpr double MEIO_LADO = LADO_TELA / 2.0;

/// A point on the normalised screen: -1..1 across the visible square, y upwards.
struct PontoNormalizado {
    double xn = 0, yn = 0;
};

/// The perspective projection of camera coordinates onto the normalised screen.
inline PontoNormalizado projeta(const Camera& camera, double xv, double yv, double zv) {
    return {camera.d * xv / (camera.hx * zv), camera.d * yv / (camera.hy * zv)};
}
inline PontoNormalizado projeta(const Camera& camera, const Ponto& p) {
    return projeta(camera, p.xv, p.yv, p.zv);
}

/// Pixel column of a normalised screen x: xn = -1 is column 0, xn = 1 column LADO_TELA.
inline std::int64_t projeta_coluna(double xn) { return arredonda((xn + 1) * MEIO_LADO); }
/// Height from the bottom of the frame of a normalised screen y: yn = -1 is height 0.
inline std::int64_t projeta_altura(double yn) { return arredonda((yn + 1) * MEIO_LADO); }
/// Pixel row of a normalised screen y: yn = 1 is row 0, yn = -1 row LADO_TELA.
inline std::int64_t projeta_linha(double yn) { return LADO_TELA - projeta_altura(yn); }

struct Baricentricas {
    double a = 0, b = 0, c = 0;
};

inline constexpr double TOLERANCIA_DETERMINANTE = 1e-5;

/// Weights of (x, y) in a triangle whose determinant den the caller computed once and found
/// not (almost) zero. Without a branch, so that a loop over pixels vectorises.
inline Baricentricas baricentricas_com_area(double den, double x1, double y1, double x2, double y2,
                                            double x3, double y3, double x, double y) {
    const double a = ((x - x3) * (y2 - y3) - (y - y3) * (x2 - x3)) / den;
    const double b = ((x1 - x3) * (y - y3) - (y1 - y3) * (x - x3)) / den;
    return {a, b, 1 - a - b};
}

/// The same for any determinant: all zero when the triangle has (almost) no area.
inline Baricentricas baricentricas_det(double den, double x1, double y1, double x2, double y2,
                                       double x3, double y3, double x, double y) {
    if (std::fabs(den) < TOLERANCIA_DETERMINANTE) return {};
    return baricentricas_com_area(den, x1, y1, x2, y2, x3, y3, x, y);
}

/// The determinant that baricentricas_det divides by.
inline double determinante_baricentrico(double x1, double y1, double x2, double y2, double x3,
                                        double y3) {
    return (x1 - x3) * (y2 - y3) - (y1 - y3) * (x2 - x3);
}

/// Weights of (x, y) in the triangle (x1, y1), (x2, y2), (x3, y3).
inline Baricentricas baricentricas(double x1, double y1, double x2, double y2, double x3, double y3,
                                   double x, double y) {
    return baricentricas_det(determinante_baricentrico(x1, y1, x2, y2, x3, y3), x1, y1, x2, y2, x3,
                             y3, x, y);
}

} // namespace quindra
